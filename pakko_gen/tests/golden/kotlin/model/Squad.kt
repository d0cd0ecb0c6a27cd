package model

import util.StreamUtil

class Squad {
    var leaderId: Int? = null
    lateinit var positions: Array<model.Vec2Int>
    lateinit var targets: MutableMap<model.UnitKind, model.Vec2Int>
    lateinit var name: String
    var active: Boolean = false
    var speed: Float = 0.0f
    var maxLong: Long = 0L
    constructor() {}
    constructor(leaderId: Int?, positions: Array<model.Vec2Int>, targets: MutableMap<model.UnitKind, model.Vec2Int>, name: String, active: Boolean, speed: Float, maxLong: Long) {
        this.leaderId = leaderId
        this.positions = positions
        this.targets = targets
        this.name = name
        this.active = active
        this.speed = speed
        this.maxLong = maxLong
    }
    companion object {
        @Throws(java.io.IOException::class)
        fun readFrom(stream: java.io.InputStream): Squad {
            val result = Squad()
            if (StreamUtil.readBoolean(stream)) {
                result.leaderId = StreamUtil.readInt(stream)
            } else {
                result.leaderId = null
            }
            result.positions = Array(StreamUtil.readSize(stream), {
                var positionsValue: model.Vec2Int
                positionsValue = model.Vec2Int.readFrom(stream)
                positionsValue
            })
            val targetsSize = StreamUtil.readSize(stream)
            result.targets = mutableMapOf()
            for (i in 0 until targetsSize) {
                var targetsKey: model.UnitKind
                when (StreamUtil.readInt(stream)) {
                0 ->targetsKey = model.UnitKind.WORKER
                1 ->targetsKey = model.UnitKind.RANGED_UNIT
                2 ->targetsKey = model.UnitKind.TURRET
                else -> throw java.io.IOException("Unexpected tag value")
                }
                var targetsValue: model.Vec2Int
                targetsValue = model.Vec2Int.readFrom(stream)
                result.targets.put(targetsKey, targetsValue)
            }
            result.name = StreamUtil.readString(stream)
            result.active = StreamUtil.readBoolean(stream)
            result.speed = StreamUtil.readFloat(stream)
            result.maxLong = StreamUtil.readLong(stream)
            return result
        }
    }
    @Throws(java.io.IOException::class)
    fun writeTo(stream: java.io.OutputStream) {
        val leaderId = leaderId;
        if (leaderId == null) {
            StreamUtil.writeBoolean(stream, false)
        } else {
            StreamUtil.writeBoolean(stream, true)
            StreamUtil.writeInt(stream, leaderId)
        }
        StreamUtil.writeInt(stream, positions.size)
        for (positionsElement in positions) {
            positionsElement.writeTo(stream)
        }
        StreamUtil.writeInt(stream, targets.size)
        for (targetsEntry in targets) {
            StreamUtil.writeInt(stream, targetsEntry.key.tag)
            targetsEntry.value.writeTo(stream)
        }
        StreamUtil.writeString(stream, name)
        StreamUtil.writeBoolean(stream, active)
        StreamUtil.writeFloat(stream, speed)
        StreamUtil.writeLong(stream, maxLong)
    }
}
