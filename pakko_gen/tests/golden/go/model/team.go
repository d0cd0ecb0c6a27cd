package model

import "io"

type Team struct {
    Squad Squad
}
func NewTeam(squad Squad) Team {
    return Team {
        Squad: squad,
    }
}
func ReadTeam(reader io.Reader) Team {
    result := Team {}
    result.Squad = ReadSquad(reader)
    return result
}
func (value Team) Write(writer io.Writer) {
    value.Squad.Write(writer)
}
