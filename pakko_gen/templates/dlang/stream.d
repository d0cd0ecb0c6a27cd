import std.bitmanip;

abstract class Stream
{
    abstract ubyte[] readBytes(size_t byteCount);
    abstract void writeBytes(const ubyte[] data);
    abstract void flush();

    bool readBool()
    {
        return readBytes(1)[0] != 0;
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

    string readString()
    {
        return cast(string) readBytes(readInt());
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
