package model

import "io"
import . "velmora/stream"

type UnitKind int32
const (
    UnitKindWorker UnitKind = 0
    UnitKindRangedUnit UnitKind = 1
    UnitKindTurret UnitKind = 2
)
func ReadUnitKind(reader io.Reader) UnitKind {
    switch ReadInt32(reader) {
    case 0:
        return UnitKindWorker
    case 1:
        return UnitKindRangedUnit
    case 2:
        return UnitKindTurret
    }
    panic("Unexpected tag value")
}
