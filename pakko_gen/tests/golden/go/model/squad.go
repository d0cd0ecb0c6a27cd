package model

import "io"
import . "velmora/stream"

type Squad struct {
    LeaderId *int32
    Positions []Vec2Int32
    Targets map[UnitKind]Vec2Int32
    Name string
    Active bool
    Speed float32
    MaxInt64 int64
}
func NewSquad(leaderId *int32, positions []Vec2Int32, targets map[UnitKind]Vec2Int32, name string, active bool, speed float32, maxInt64 int64) Squad {
    return Squad {
        LeaderId: leaderId,
        Positions: positions,
        Targets: targets,
        Name: name,
        Active: active,
        Speed: speed,
        MaxInt64: maxInt64,
    }
}
func ReadSquad(reader io.Reader) Squad {
    result := Squad {}
    if ReadBool(reader) {
        var LeaderIdValue int32
        LeaderIdValue = ReadInt32(reader)
        result.LeaderId = &LeaderIdValue
    } else {
        result.LeaderId = nil
    }
    result.Positions = make([]Vec2Int32, 0)
    for i, iCount := int32(0), ReadSize(reader); i < iCount; i++ {
        result.Positions = append(result.Positions, *new(Vec2Int32))
        result.Positions[i] = ReadVec2Int32(reader)
    }
    TargetsSize := ReadSize(reader)
    result.Targets = make(map[UnitKind]Vec2Int32)
    for i := int32(0); i < TargetsSize; i++ {
        var TargetsKey UnitKind
        TargetsKey = ReadUnitKind(reader)
        var TargetsValue Vec2Int32
        TargetsValue = ReadVec2Int32(reader)
        result.Targets[TargetsKey] = TargetsValue
    }
    result.Name = ReadString(reader)
    result.Active = ReadBool(reader)
    result.Speed = ReadFloat32(reader)
    result.MaxInt64 = ReadInt64(reader)
    return result
}
func (value Squad) Write(writer io.Writer) {
    if value.LeaderId == nil {
        WriteBool(writer, false)
    } else {
        WriteBool(writer, true)
        WriteInt32(writer, (*value.LeaderId))
    }
    WriteInt32(writer, int32(len(value.Positions)))
    for _, PositionsElement := range value.Positions {
        PositionsElement.Write(writer)
    }
    WriteInt32(writer, int32(len(value.Targets)))
    for TargetsKey, TargetsValue := range value.Targets {
        WriteInt32(writer, int32(TargetsKey))
        TargetsValue.Write(writer)
    }
    WriteString(writer, value.Name)
    WriteBool(writer, value.Active)
    WriteFloat32(writer, value.Speed)
    WriteInt64(writer, value.MaxInt64)
}
