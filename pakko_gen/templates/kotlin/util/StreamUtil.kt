package util

import java.io.IOException
import java.io.InputStream
import java.io.OutputStream
import java.nio.ByteBuffer
import java.nio.ByteOrder
import java.nio.charset.StandardCharsets

object StreamUtil {
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
        return readBytes(stream, 1)[0].toInt() != 0
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

    @Throws(IOException::class)
    fun readString(stream: InputStream): String {
        return String(readBytes(stream, readInt(stream)), StandardCharsets.UTF_8)
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

