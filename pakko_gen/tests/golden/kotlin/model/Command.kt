package model

import util.StreamUtil

abstract class Command {
    @Throws(java.io.IOException::class)
    abstract fun writeTo(stream: java.io.OutputStream)
    companion object {
        @Throws(java.io.IOException::class)
        fun readFrom(stream: java.io.InputStream): Command {
            when (StreamUtil.readInt(stream)) {
                Move.TAG -> return Move.readFrom(stream)
                Stop.TAG -> return Stop.readFrom(stream)
                else -> throw java.io.IOException("Unexpected tag value")
            }
        }
    }

    class Move : Command {
        lateinit var target: model.Vec2Int
        var speed: Double = 0.0
        constructor() {}
        constructor(target: model.Vec2Int, speed: Double) {
            this.target = target
            this.speed = speed
        }
        companion object {
            val TAG = 0
            @Throws(java.io.IOException::class)
            fun readFrom(stream: java.io.InputStream): Move {
                val result = Move()
                result.target = model.Vec2Int.readFrom(stream)
                result.speed = StreamUtil.readDouble(stream)
                return result
            }
        }
        @Throws(java.io.IOException::class)
        override fun writeTo(stream: java.io.OutputStream) {
            StreamUtil.writeInt(stream, TAG)
            target.writeTo(stream)
            StreamUtil.writeDouble(stream, speed)
        }
    }

    class Stop : Command {
        constructor() {}
        companion object {
            val TAG = 1
            @Throws(java.io.IOException::class)
            fun readFrom(stream: java.io.InputStream): Stop {
                val result = Stop()
                return result
            }
        }
        @Throws(java.io.IOException::class)
        override fun writeTo(stream: java.io.OutputStream) {
            StreamUtil.writeInt(stream, TAG)
        }
    }
}
