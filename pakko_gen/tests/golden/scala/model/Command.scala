package model

import util.StreamUtil

sealed trait Command {
    def writeTo(stream: java.io.OutputStream)
}
object Command {
    case class Move(target: model.Vec2Int, speed: Double) extends Command {
        override def writeTo(stream: java.io.OutputStream) {
            StreamUtil.writeInt(stream, Move.TAG)
            target.writeTo(stream)
            StreamUtil.writeDouble(stream, speed)
        }
    }
    object Move {
        val TAG: Int = 0
        def readFrom(stream: java.io.InputStream): Move = Move(
            model.Vec2Int.readFrom(stream)
            ,
            StreamUtil.readDouble(stream)
            )
    }

    case class Stop() extends Command {
        override def writeTo(stream: java.io.OutputStream) {
            StreamUtil.writeInt(stream, Stop.TAG)
        }
    }
    object Stop {
        val TAG: Int = 1
        def readFrom(stream: java.io.InputStream): Stop = Stop(
            )
    }

    def readFrom(stream: java.io.InputStream): Command = {
        StreamUtil.readInt(stream) match {
            case Move.TAG => Move.readFrom(stream)
            case Stop.TAG => Stop.readFrom(stream)
            case _ => throw new java.io.IOException("Unexpected tag value")
        }
    }
}
