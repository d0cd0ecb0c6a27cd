package model

import util.StreamUtil

class Grid {
    lateinit var cells: Array<Array<Array<Int>>>
    lateinit var groups: MutableMap<Array<Int>, Array<String>>
    constructor() {}
    constructor(cells: Array<Array<Array<Int>>>, groups: MutableMap<Array<Int>, Array<String>>) {
        this.cells = cells
        this.groups = groups
    }
    companion object {
        @Throws(java.io.IOException::class)
        fun readFrom(stream: java.io.InputStream): Grid {
            val result = Grid()
            result.cells = Array(StreamUtil.readSize(stream), {
                var cellsValue: Array<Array<Int>>
                cellsValue = Array(StreamUtil.readSize(stream), {
                    var cellsValueValue: Array<Int>
                    cellsValueValue = Array(StreamUtil.readSize(stream), {
                        var cellsValueValueValue: Int
                        cellsValueValueValue = StreamUtil.readInt(stream)
                        cellsValueValueValue
                    })
                    cellsValueValue
                })
                cellsValue
            })
            val groupsSize = StreamUtil.readSize(stream)
            result.groups = mutableMapOf()
            for (i in 0 until groupsSize) {
                var groupsKey: Array<Int>
                groupsKey = Array(StreamUtil.readSize(stream), {
                    var groupsKeyValue: Int
                    groupsKeyValue = StreamUtil.readInt(stream)
                    groupsKeyValue
                })
                var groupsValue: Array<String>
                groupsValue = Array(StreamUtil.readSize(stream), {
                    var groupsValueValue: String
                    groupsValueValue = StreamUtil.readString(stream)
                    groupsValueValue
                })
                result.groups.put(groupsKey, groupsValue)
            }
            return result
        }
    }
    @Throws(java.io.IOException::class)
    fun writeTo(stream: java.io.OutputStream) {
        StreamUtil.writeInt(stream, cells.size)
        for (cellsElement in cells) {
            StreamUtil.writeInt(stream, cellsElement.size)
            for (cellsElementElement in cellsElement) {
                StreamUtil.writeInt(stream, cellsElementElement.size)
                for (cellsElementElementElement in cellsElementElement) {
                    StreamUtil.writeInt(stream, cellsElementElementElement)
                }
            }
        }
        StreamUtil.writeInt(stream, groups.size)
        for (groupsEntry in groups) {
            StreamUtil.writeInt(stream, groupsEntry.key.size)
            for (keyElement in groupsEntry.key) {
                StreamUtil.writeInt(stream, keyElement)
            }
            StreamUtil.writeInt(stream, groupsEntry.value.size)
            for (valueElement in groupsEntry.value) {
                StreamUtil.writeString(stream, valueElement)
            }
        }
    }
}
