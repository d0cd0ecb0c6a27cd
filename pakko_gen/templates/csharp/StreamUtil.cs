// Reads the values that need a check on top of what BinaryReader does.
internal static class StreamUtil
{
    private const int ChunkSize = 1 << 16;

    public static bool ReadBool(System.IO.BinaryReader reader)
    {
        switch (reader.ReadByte())
        {
        case 0:
            return false;
        case 1:
            return true;
        default:
            throw new System.IO.InvalidDataException("Unexpected bool value");
        }
    }

    // A count of elements or a length in bytes; a negative one is an error.
    public static int ReadSize(System.IO.BinaryReader reader)
    {
        int size = reader.ReadInt32();
        if (size < 0)
        {
            throw new System.IO.InvalidDataException("Negative length or count");
        }
        return size;
    }

    // The text grows as its bytes arrive: ReadBytes makes room for all it is
    // asked for before reading any of it, and returns fewer at the end.
    public static string ReadString(System.IO.BinaryReader reader)
    {
        int length = ReadSize(reader);
        var data = new System.IO.MemoryStream();
        while (data.Length < length)
        {
            var chunk = reader.ReadBytes((int) System.Math.Min(length - data.Length, ChunkSize));
            if (chunk.Length == 0)
            {
                throw new System.IO.EndOfStreamException("Unexpected EOF");
            }
            data.Write(chunk, 0, chunk.Length);
        }
        return System.Text.Encoding.UTF8.GetString(data.GetBuffer(), 0, (int) data.Length);
    }
}
