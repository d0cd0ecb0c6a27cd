// Reads one message of the named root with the generated model and writes it
// back: round_trip ROOT INPUT OUTPUT. Failures go to standard error, status 1.
import model;
import stream;
import std.file;
import std.stdio;

class BytesStream : Stream
{
    override ubyte[] readBytes(size_t byteCount)
    {
        if (byteCount > input.length - position)
        {
            throw new Exception("Unexpected end of input");
        }
        auto result = input[position .. position + byteCount].dup;
        position += byteCount;
        return result;
    }

    override void writeBytes(const ubyte[] data)
    {
        output ~= data;
    }

    override void flush()
    {
    }

    ubyte[] input;
    size_t position;
    ubyte[] output;
}

int main(string[] args)
{
    if (args.length != 4)
    {
        stderr.writeln("usage: round_trip ROOT INPUT OUTPUT");
        return 2;
    }
    try
    {
        auto bytes = new BytesStream();
        bytes.input = cast(ubyte[]) read(args[2]);
        switch (args[1])
        {
        case "ServerMessage":
            ServerMessage.readFrom(bytes).writeTo(bytes);
            break;
        case "ClientMessage":
            ClientMessage.readFrom(bytes).writeTo(bytes);
            break;
        case "DebugState":
            DebugState.readFrom(bytes).writeTo(bytes);
            break;
        default:
            throw new Exception("Unknown root " ~ args[1]);
        }
        if (bytes.position != bytes.input.length)
        {
            throw new Exception("Bytes left after the message");
        }
        std.file.write(args[3], bytes.output);
    }
    catch (Throwable failure)
    {
        stderr.writeln(failure.msg);
        return 1;
    }
    return 0;
}
