package util

import java.io.ByteArrayOutputStream
import java.io.IOException
import java.io.InputStream
import java.io.OutputStream
import java.nio.ByteBuffer
import java.nio.ByteOrder
import java.nio.charset.StandardCharsets

object StreamUtil {
    private const val CHUNK_SIZE = 1 shl 16

    @Throws(IOException::class)
    fun readBytes(stream: InputStream, byteCount: Int): ByteArray {
        val bytes = ByteArray(byteCount)
        var offset = 0
        while (offset < bytes.size) {
            val read = stream.read(bytes, offset, bytes.size - offset)
            if (read == -1) {
                break
            }
            offset += read
        }
        if (offset != bytes.size) {
            throw IOException("Unexpected EOF")
        }
        return bytes
    }

    @Throws(IOException::class)
    private fun readBuffer(stream: InputStream, byteCount: Int): ByteBuffer {
        return ByteBuffer.wrap(readBytes(stream, byteCount)).order(ByteOrder.LITTLE_ENDIAN)
    }

    private fun writeBuffer(byteCount: Int): ByteBuffer {
        return ByteBuffer.allocate(byteCount).order(ByteOrder.LITTLE_ENDIAN)
    }

    @Throws(IOException::class)
    fun readBoolean(stream: InputStream): Boolean {
        val value = readBytes(stream, 1)[0].toInt()
        if (value != 0 && value != 1) {
            throw IOException("Unexpected bool value")
        }
        return value == 1
    }

    @Throws(IOException::class)
    fun readInt(stream: InputStream): Int {
        return readBuffer(stream, Integer.BYTES).int
    }

    @Throws(IOException::class)
    fun readLong(stream: InputStream): Long {
        return readBuffer(stream, java.lang.Long.BYTES).long
    }

    @Throws(IOException::class)
    fun readFloat(stream: InputStream): Float {
        return readBuffer(stream, java.lang.Float.BYTES).float
    }

    @Throws(IOException::class)
    fun readDouble(stream: InputStream): Double {
        return readBuffer(stream, java.lang.Double.BYTES).double
    }

    // A count of elements or a length in bytes; a negative one is an error.
    @Throws(IOException::class)
    fun readSize(stream: InputStream): Int {
        val size = readInt(stream)
        if (size < 0) {
            throw IOException("Negative length or count")
        }
        return size
    }

    // The text grows as its bytes arrive, so that a length no writer sent
    // allocates no more than the bytes that really follow it.
    @Throws(IOException::class)
    fun readString(stream: InputStream): String {
        val length = readSize(stream)
        val data = ByteArrayOutputStream(Math.min(length, CHUNK_SIZE))
        while (data.size() < length) {
            data.write(readBytes(stream, Math.min(length - data.size(), CHUNK_SIZE)))
        }
        return String(data.toByteArray(), StandardCharsets.UTF_8)
    }

    @Throws(IOException::class)
    fun writeBytes(stream: OutputStream, bytes: ByteArray) {
        stream.write(bytes)
    }

    @Throws(IOException::class)
    fun writeBoolean(stream: OutputStream, value: Boolean) {
        writeBytes(stream, byteArrayOf(if (value) 1 else 0))
    }

    @Throws(IOException::class)
    fun writeInt(stream: OutputStream, value: Int) {
        writeBytes(stream, writeBuffer(Integer.BYTES).putInt(value).array())
    }

    @Throws(IOException::class)
    fun writeLong(stream: OutputStream, value: Long) {
        writeBytes(stream, writeBuffer(java.lang.Long.BYTES).putLong(value).array())
    }

    @Throws(IOException::class)
    fun writeFloat(stream: OutputStream, value: Float) {
        writeBytes(stream, writeBuffer(java.lang.Float.BYTES).putFloat(value).array())
    }

    @Throws(IOException::class)
    fun writeDouble(stream: OutputStream, value: Double) {
        writeBytes(stream, writeBuffer(java.lang.Double.BYTES).putDouble(value).array())
    }

    @Throws(IOException::class)
    fun writeString(stream: OutputStream, value: String) {
        val bytes = value.toByteArray(StandardCharsets.UTF_8)
        writeInt(stream, bytes.size)
        writeBytes(stream, bytes)
    }
}

