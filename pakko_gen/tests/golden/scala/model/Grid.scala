package model

import util.StreamUtil

case class Grid(cells: Seq[Seq[Seq[Int]]], groups: Map[Seq[Int], Seq[String]]) {
    def writeTo(stream: java.io.OutputStream) {
        StreamUtil.writeInt(stream, cells.length)
        cells.foreach { value =>
            StreamUtil.writeInt(stream, value.length)
            value.foreach { value =>
                StreamUtil.writeInt(stream, value.length)
                value.foreach { value =>
                    StreamUtil.writeInt(stream, value)
                }
            }
        }
        StreamUtil.writeInt(stream, groups.size)
        groups.foreach { case (key, value) =>
            StreamUtil.writeInt(stream, key.length)
            key.foreach { value =>
                StreamUtil.writeInt(stream, value)
            }
            StreamUtil.writeInt(stream, value.length)
            value.foreach { value =>
                StreamUtil.writeString(stream, value)
            }
        }
    }
}
object Grid {
    def readFrom(stream: java.io.InputStream): Grid = Grid(
        (0 until StreamUtil.readSize(stream)).map { _ =>
            (0 until StreamUtil.readSize(stream)).map { _ =>
                (0 until StreamUtil.readSize(stream)).map { _ =>
                    StreamUtil.readInt(stream)
                }
            }
        }
        ,
        (0 until StreamUtil.readSize(stream)).map { _ => (
            (0 until StreamUtil.readSize(stream)).map { _ =>
                StreamUtil.readInt(stream)
            }
            ,
            (0 until StreamUtil.readSize(stream)).map { _ =>
                StreamUtil.readString(stream)
            }
        )}.toMap
        )
}
