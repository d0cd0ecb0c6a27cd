package util;

import java.io.ByteArrayOutputStream;
import java.io.IOException;
import java.io.InputStream;
import java.io.OutputStream;
import java.nio.ByteBuffer;
import java.nio.ByteOrder;
import java.nio.charset.Charset;
import java.nio.charset.StandardCharsets;

public class StreamUtil {
    private static final Charset UTF8 = StandardCharsets.UTF_8;
    private static final int CHUNK_SIZE = 1 << 16;

    public static byte[] readBytes(InputStream stream, int byteCount) throws IOException {
        byte[] bytes = new byte[byteCount];
        int offset = 0;
        while (offset < bytes.length) {
            int read = stream.read(bytes, offset, bytes.length - offset);
            if (read == -1) {
                break;
            }
            offset += read;
        }
        if (offset != bytes.length) {
            throw new IOException("Unexpected EOF");
        }
        return bytes;
    }

    private static ByteBuffer readBuffer(InputStream stream, int byteCount) throws IOException {
        return ByteBuffer.wrap(readBytes(stream, byteCount)).order(ByteOrder.LITTLE_ENDIAN);
    }

    private static ByteBuffer writeBuffer(int byteCount) {
        return ByteBuffer.allocate(byteCount).order(ByteOrder.LITTLE_ENDIAN);
    }

    public static boolean readBoolean(InputStream stream) throws IOException {
        byte value = readBytes(stream, 1)[0];
        if (value != 0 && value != 1) {
            throw new IOException("Unexpected bool value");
        }
        return value == 1;
    }

    public static int readInt(InputStream stream) throws IOException {
        return readBuffer(stream, Integer.BYTES).getInt();
    }

    public static long readLong(InputStream stream) throws IOException {
        return readBuffer(stream, Long.BYTES).getLong();
    }

    public static float readFloat(InputStream stream) throws IOException {
        return readBuffer(stream, Float.BYTES).getFloat();
    }

    public static double readDouble(InputStream stream) throws IOException {
        return readBuffer(stream, Double.BYTES).getDouble();
    }

    // A count of elements or a length in bytes; a negative one is an error.
    public static int readSize(InputStream stream) throws IOException {
        int size = readInt(stream);
        if (size < 0) {
            throw new IOException("Negative length or count");
        }
        return size;
    }

    // The text grows as its bytes arrive, so that a length no writer sent
    // allocates no more than the bytes that really follow it.
    public static String readString(InputStream stream) throws IOException {
        int length = readSize(stream);
        ByteArrayOutputStream data = new ByteArrayOutputStream(Math.min(length, CHUNK_SIZE));
        while (data.size() < length) {
            data.write(readBytes(stream, Math.min(length - data.size(), CHUNK_SIZE)));
        }
        return new String(data.toByteArray(), UTF8);
    }

    public static void writeBytes(OutputStream stream, byte[] bytes) throws IOException {
        stream.write(bytes);
    }

    public static void writeBoolean(OutputStream stream, boolean value) throws IOException {
        writeBytes(stream, new byte[] { (byte) (value ? 1 : 0) });
    }

    public static void writeInt(OutputStream stream, int value) throws IOException {
        writeBytes(stream, writeBuffer(Integer.BYTES).putInt(value).array());
    }

    public static void writeLong(OutputStream stream, long value) throws IOException {
        writeBytes(stream, writeBuffer(Long.BYTES).putLong(value).array());
    }

    public static void writeFloat(OutputStream stream, float value) throws IOException {
        writeBytes(stream, writeBuffer(Float.BYTES).putFloat(value).array());
    }

    public static void writeDouble(OutputStream stream, double value) throws IOException {
        writeBytes(stream, writeBuffer(Double.BYTES).putDouble(value).array());
    }

    public static void writeString(OutputStream stream, String value) throws IOException {
        byte[] bytes = value.getBytes(UTF8);
        writeInt(stream, bytes.length);
        writeBytes(stream, bytes);
    }
}