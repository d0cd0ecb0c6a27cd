// Reads messages with the generated model and writes them back:
// RoundTrip ROOT INPUT OUTPUT [ROOT INPUT OUTPUT ...]. A message that fails
// leaves its error text in OUTPUT.error instead, so that one start of the
// virtual machine serves every sample.
import java.io.{ByteArrayInputStream, ByteArrayOutputStream, IOException}
import java.nio.charset.StandardCharsets
import java.nio.file.{Files, Paths}

object RoundTrip {
  def roundTrip(root: String, input: Array[Byte]): Array[Byte] = {
    val inputStream = new ByteArrayInputStream(input)
    val outputStream = new ByteArrayOutputStream()
    root match {
      case "ServerMessage" => model.ServerMessage.readFrom(inputStream).writeTo(outputStream)
      case "ClientMessage" => model.ClientMessage.readFrom(inputStream).writeTo(outputStream)
      case "DebugState" => model.DebugState.readFrom(inputStream).writeTo(outputStream)
      case _ => throw new IOException("Unknown root " + root)
    }
    if (inputStream.available() != 0) {
      throw new IOException("Bytes left after the message")
    }
    outputStream.toByteArray
  }

  def main(args: Array[String]) {
    for (i <- 0 until args.length / 3) {
      val Array(root, input, output) = args.slice(3 * i, 3 * i + 3)
      val bytes = Files.readAllBytes(Paths.get(input))
      try {
        Files.write(Paths.get(output), roundTrip(root, bytes))
      } catch {
        case e: IOException => Files.write(Paths.get(output + ".error"), e.getMessage.getBytes(StandardCharsets.UTF_8))
      }
    }
  }
}
