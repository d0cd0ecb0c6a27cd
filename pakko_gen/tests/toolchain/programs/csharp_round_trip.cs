// Reads one message of the named root with the generated model and writes it
// back: csharp_round_trip.exe ROOT INPUT OUTPUT [ROOT INPUT OUTPUT...]. The
// first failure goes to standard error, status 1.
using System;
using System.IO;

public static class RoundTrip
{
    public static int Main(string[] args)
    {
        try
        {
            for (var at = 0; at + 2 < args.Length; at += 3)
            {
                Run(args[at], args[at + 1], args[at + 2]);
            }
            return 0;
        }
        catch (Exception e)
        {
            Console.Error.WriteLine(e.Message);
            return 1;
        }
    }

    private static void Run(string root, string inputPath, string outputPath)
    {
        var input = new MemoryStream(File.ReadAllBytes(inputPath));
        var reader = new BinaryReader(input);
        var output = new MemoryStream();
        var writer = new BinaryWriter(output);
        switch (root)
        {
            case "ServerMessage":
                Velmora.Model.ServerMessage.ReadFrom(reader).WriteTo(writer);
                break;
            case "ClientMessage":
                Velmora.Model.ClientMessage.ReadFrom(reader).WriteTo(writer);
                break;
            case "DebugState":
                Velmora.Model.DebugState.ReadFrom(reader).WriteTo(writer);
                break;
            default:
                throw new Exception("Unknown root " + root);
        }
        if (input.Position != input.Length)
        {
            throw new Exception("Bytes left after the message");
        }
        writer.Flush();
        File.WriteAllBytes(outputPath, output.ToArray());
    }
}
