package model

import util.StreamUtil

sealed abstract class UnitKind (val tag: Int) {
    def writeTo(stream: java.io.OutputStream) {
        StreamUtil.writeInt(stream, tag)
    }
}

object UnitKind {
    case object WORKER extends UnitKind(0)
    case object RANGED_UNIT extends UnitKind(1)
    case object TURRET extends UnitKind(2)
    def readFrom(stream: java.io.InputStream): UnitKind = StreamUtil.readInt(stream) match {
        case 0 => WORKER
        case 1 => RANGED_UNIT
        case 2 => TURRET
        case _ => throw new java.io.IOException("Unexpected tag value")
    }
}
