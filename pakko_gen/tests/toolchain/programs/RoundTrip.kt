// Reads messages with the generated model and writes them back:
// RoundTrip ROOT INPUT OUTPUT [ROOT INPUT OUTPUT ...]. A message that fails
// leaves its error text in OUTPUT.error instead, so that one start of the
// virtual machine serves every sample.
import java.io.ByteArrayInputStream
import java.io.ByteArrayOutputStream
import java.io.File
import java.io.IOException

fun roundTrip(root: String, input: ByteArray): ByteArray {
    val inputStream = ByteArrayInputStream(input)
    val outputStream = ByteArrayOutputStream()
    when (root) {
        "ServerMessage" -> model.ServerMessage.readFrom(inputStream).writeTo(outputStream)
        "ClientMessage" -> model.ClientMessage.readFrom(inputStream).writeTo(outputStream)
        "DebugState" -> model.DebugState.readFrom(inputStream).writeTo(outputStream)
        else -> throw IOException("Unknown root " + root)
    }
    if (inputStream.available() != 0) {
        throw IOException("Bytes left after the message")
    }
    return outputStream.toByteArray()
}

fun main(args: Array<String>) {
    var i = 0
    while (i + 2 < args.size) {
        val input = File(args[i + 1]).readBytes()
        try {
            File(args[i + 2]).writeBytes(roundTrip(args[i], input))
        } catch (e: IOException) {
            File(args[i + 2] + ".error").writeText(e.message ?: "")
        }
        i += 3
    }
}
