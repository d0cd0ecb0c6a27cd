package model

import util.StreamUtil

case class Team(squad: model.Squad) {
    def writeTo(stream: java.io.OutputStream) {
        squad.writeTo(stream)
    }
}
object Team {
    def readFrom(stream: java.io.InputStream): Team = Team(
        model.Squad.readFrom(stream)
        )
}
