package model

import "io"
import . "velmora/stream"

type Command interface {
    Write(writer io.Writer)
}
func ReadCommand(reader io.Reader) Command {
    switch ReadInt32(reader) {
        case 0:
            return ReadCommandMove(reader)
        case 1:
            return ReadCommandStop(reader)
    }
    panic("Unexpected tag value")
}

type CommandMove struct {
    Target Vec2Int32
    Speed float64
}
func NewCommandMove(target Vec2Int32, speed float64) CommandMove {
    return CommandMove {
        Target: target,
        Speed: speed,
    }
}
func ReadCommandMove(reader io.Reader) CommandMove {
    result := CommandMove {}
    result.Target = ReadVec2Int32(reader)
    result.Speed = ReadFloat64(reader)
    return result
}
func (value CommandMove) Write(writer io.Writer) {
    WriteInt32(writer, 0)
    value.Target.Write(writer)
    WriteFloat64(writer, value.Speed)
}

type CommandStop struct {
}
func NewCommandStop() CommandStop {
    return CommandStop {
    }
}
func ReadCommandStop(reader io.Reader) CommandStop {
    result := CommandStop {}
    return result
}
func (value CommandStop) Write(writer io.Writer) {
    WriteInt32(writer, 1)
}
