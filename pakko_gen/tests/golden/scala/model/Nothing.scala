package model

import util.StreamUtil

case class Nothing() {
    def writeTo(stream: java.io.OutputStream) {
    }
}
object Nothing {
    def readFrom(stream: java.io.InputStream): Nothing = Nothing(
        )
}
