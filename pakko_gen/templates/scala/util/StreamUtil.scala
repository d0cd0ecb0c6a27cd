package util

import java.io.{ByteArrayOutputStream, IOException, InputStream, OutputStream}
import java.nio.charset.StandardCharsets
import java.nio.{ByteBuffer, ByteOrder}

object StreamUtil {
  private val ChunkSize = 1 << 16

  def readBytes(stream: InputStream, byteCount: Int): Array[Byte] = {
    val bytes = new Array[Byte](byteCount)
    var offset = 0
    var ended = false
    while (offset < byteCount && !ended) {
      val read = stream.read(bytes, offset, byteCount - offset)
      if (read == -1) {
        ended = true
      } else {
        offset += read
      }
    }
    if (offset != byteCount) {
      throw new IOException("Unexpected EOF")
    }
    bytes
  }

  private def readBuffer(stream: InputStream, byteCount: Int): ByteBuffer =
    ByteBuffer.wrap(readBytes(stream, byteCount)).order(ByteOrder.LITTLE_ENDIAN)

  private def writeBuffer(byteCount: Int): ByteBuffer = ByteBuffer.allocate(byteCount).order(ByteOrder.LITTLE_ENDIAN)

  def readBoolean(stream: InputStream): Boolean = readBytes(stream, 1)(0) match {
    case 0 => false
    case 1 => true
    case _ => throw new IOException("Unexpected bool value")
  }

  def readInt(stream: InputStream): Int = readBuffer(stream, 4).getInt

  def readLong(stream: InputStream): Long = readBuffer(stream, 8).getLong

  def readFloat(stream: InputStream): Float = readBuffer(stream, 4).getFloat

  def readDouble(stream: InputStream): Double = readBuffer(stream, 8).getDouble

  // A count of elements or a length in bytes; a negative one is an error.
  def readSize(stream: InputStream): Int = {
    val size = readInt(stream)
    if (size < 0) {
      throw new IOException("Negative length or count")
    }
    size
  }

  // The text grows as its bytes arrive, so that a length no writer sent
  // allocates no more than the bytes that really follow it.
  def readString(stream: InputStream): String = {
    val length = readSize(stream)
    val data = new ByteArrayOutputStream(math.min(length, ChunkSize))
    while (data.size < length) {
      data.write(readBytes(stream, math.min(length - data.size, ChunkSize)))
    }
    new String(data.toByteArray, StandardCharsets.UTF_8)
  }

  def writeBytes(stream: OutputStream, bytes: Array[Byte]) {
    stream.write(bytes)
  }

  def writeBoolean(stream: OutputStream, value: Boolean) {
    writeBytes(stream, Array[Byte](if (value) 1 else 0))
  }

  def writeInt(stream: OutputStream, value: Int) {
    writeBytes(stream, writeBuffer(4).putInt(value).array)
  }

  def writeLong(stream: OutputStream, value: Long) {
    writeBytes(stream, writeBuffer(8).putLong(value).array)
  }

  def writeFloat(stream: OutputStream, value: Float) {
    writeBytes(stream, writeBuffer(4).putFloat(value).array)
  }

  def writeDouble(stream: OutputStream, value: Double) {
    writeBytes(stream, writeBuffer(8).putDouble(value).array)
  }

  def writeString(stream: OutputStream, value: String) {
    val bytes = value.getBytes(StandardCharsets.UTF_8)
    writeInt(stream, bytes.length)
    writeBytes(stream, bytes)
  }
}