import std.algorithm.comparison : min;
import std.bitmanip;

abstract class Stream
{
    abstract ubyte[] readBytes(size_t byteCount);
    abstract void writeBytes(const ubyte[] data);
    abstract void flush();

    bool readBool()
    {
        const value = readBytes(1)[0];
        if (value > 1)
        {
            throw new Exception("Unexpected bool value");
        }
        return value == 1;
    }

    int readInt()
    {
        return littleEndianToNative!(int, int.sizeof)(readBytes(int.sizeof)[0 .. int.sizeof]);
    }

    long readLong()
    {
        return littleEndianToNative!(long, long.sizeof)(readBytes(long.sizeof)[0 .. long.sizeof]);
    }

    float readFloat()
    {
        return littleEndianToNative!(float, float.sizeof)(readBytes(float.sizeof)[0 .. float.sizeof]);
    }

    double readDouble()
    {
        return littleEndianToNative!(double, double.sizeof)(readBytes(double.sizeof)[0 .. double.sizeof]);
    }

    // A count of elements or a length in bytes; a negative one is an error.
    int readSize()
    {
        const size = readInt();
        if (size < 0)
        {
            throw new Exception("Negative length or count");
        }
        return size;
    }

    // The text grows as its bytes arrive, so that a length no writer sent
    // allocates no more than the bytes that really follow it.
    string readString()
    {
        enum size_t chunkSize = 1 << 16;
        const size_t length = readSize();
        ubyte[] data;
        while (data.length < length)
        {
            data ~= readBytes(min(chunkSize, length - data.length));
        }
        return cast(string) data;
    }

    void write(bool value)
    {
        writeBytes([cast(ubyte)(value ? 1 : 0)]);
    }

    void write(int value)
    {
        writeBytes(nativeToLittleEndian(value));
    }

    void write(long value)
    {
        writeBytes(nativeToLittleEndian(value));
    }

    void write(float value)
    {
        writeBytes(nativeToLittleEndian(value));
    }

    void write(double value)
    {
        writeBytes(nativeToLittleEndian(value));
    }

    void write(string value)
    {
        write(cast(int) value.length);
        writeBytes(cast(const ubyte[]) value);
    }
}
