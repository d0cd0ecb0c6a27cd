package model

import "io"
import . "velmora/stream"

type Single int32
const (
    SingleOnly Single = 0
)
func ReadSingle(reader io.Reader) Single {
    switch ReadInt32(reader) {
    case 0:
        return SingleOnly
    }
    panic("Unexpected tag value")
}
