package model

import util.StreamUtil

sealed abstract class Single (val tag: Int) {
    def writeTo(stream: java.io.OutputStream) {
        StreamUtil.writeInt(stream, tag)
    }
}

object Single {
    case object ONLY extends Single(0)
    def readFrom(stream: java.io.InputStream): Single = StreamUtil.readInt(stream) match {
        case 0 => ONLY
        case _ => throw new java.io.IOException("Unexpected tag value")
    }
}
