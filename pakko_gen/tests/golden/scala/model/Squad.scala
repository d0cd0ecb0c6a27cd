package model

import util.StreamUtil

case class Squad(leaderId: Option[Int], positions: Seq[model.Vec2Int], targets: Map[model.UnitKind, model.Vec2Int], name: String, active: Boolean, speed: Float, maxLong: Long) {
    def writeTo(stream: java.io.OutputStream) {
        leaderId match {
            case None => StreamUtil.writeBoolean(stream, false)
            case Some(value) => {
                StreamUtil.writeBoolean(stream, true)
                StreamUtil.writeInt(stream, value)
            }
        }
        StreamUtil.writeInt(stream, positions.length)
        positions.foreach { value =>
            value.writeTo(stream)
        }
        StreamUtil.writeInt(stream, targets.size)
        targets.foreach { case (key, value) =>
            key.writeTo(stream)
            value.writeTo(stream)
        }
        StreamUtil.writeString(stream, name)
        StreamUtil.writeBoolean(stream, active)
        StreamUtil.writeFloat(stream, speed)
        StreamUtil.writeLong(stream, maxLong)
    }
}
object Squad {
    def readFrom(stream: java.io.InputStream): Squad = Squad(
        if (StreamUtil.readBoolean(stream)) Some(
            StreamUtil.readInt(stream)
        ) else None
        ,
        (0 until StreamUtil.readSize(stream)).map { _ =>
            model.Vec2Int.readFrom(stream)
        }
        ,
        (0 until StreamUtil.readSize(stream)).map { _ => (
            model.UnitKind.readFrom(stream)
            ,
            model.Vec2Int.readFrom(stream)
        )}.toMap
        ,
        StreamUtil.readString(stream)
        ,
        StreamUtil.readBoolean(stream)
        ,
        StreamUtil.readFloat(stream)
        ,
        StreamUtil.readLong(stream)
        )
}
