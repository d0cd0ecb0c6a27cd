package model

import util.StreamUtil

class Team {
    lateinit var squad: model.Squad
    constructor() {}
    constructor(squad: model.Squad) {
        this.squad = squad
    }
    companion object {
        @Throws(java.io.IOException::class)
        fun readFrom(stream: java.io.InputStream): Team {
            val result = Team()
            result.squad = model.Squad.readFrom(stream)
            return result
        }
    }
    @Throws(java.io.IOException::class)
    fun writeTo(stream: java.io.OutputStream) {
        squad.writeTo(stream)
    }
}
