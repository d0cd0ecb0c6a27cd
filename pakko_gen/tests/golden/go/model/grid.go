package model

import "io"
import . "velmora/stream"

type Grid struct {
    Cells [][][]int32
    Groups map[[]int32][]string
}
func NewGrid(cells [][][]int32, groups map[[]int32][]string) Grid {
    return Grid {
        Cells: cells,
        Groups: groups,
    }
}
func ReadGrid(reader io.Reader) Grid {
    result := Grid {}
    result.Cells = make([][][]int32, 0)
    for i, iCount := int32(0), ReadSize(reader); i < iCount; i++ {
        result.Cells = append(result.Cells, *new([][]int32))
        result.Cells[i] = make([][]int32, 0)
        for j, jCount := int32(0), ReadSize(reader); j < jCount; j++ {
            result.Cells[i] = append(result.Cells[i], *new([]int32))
            result.Cells[i][j] = make([]int32, 0)
            for k, kCount := int32(0), ReadSize(reader); k < kCount; k++ {
                result.Cells[i][j] = append(result.Cells[i][j], *new(int32))
                result.Cells[i][j][k] = ReadInt32(reader)
            }
        }
    }
    GroupsSize := ReadSize(reader)
    result.Groups = make(map[[]int32][]string)
    for i := int32(0); i < GroupsSize; i++ {
        var GroupsKey []int32
        GroupsKey = make([]int32, 0)
        for j, jCount := int32(0), ReadSize(reader); j < jCount; j++ {
            GroupsKey = append(GroupsKey, *new(int32))
            GroupsKey[j] = ReadInt32(reader)
        }
        var GroupsValue []string
        GroupsValue = make([]string, 0)
        for k, kCount := int32(0), ReadSize(reader); k < kCount; k++ {
            GroupsValue = append(GroupsValue, *new(string))
            GroupsValue[k] = ReadString(reader)
        }
        result.Groups[GroupsKey] = GroupsValue
    }
    return result
}
func (value Grid) Write(writer io.Writer) {
    WriteInt32(writer, int32(len(value.Cells)))
    for _, CellsElement := range value.Cells {
        WriteInt32(writer, int32(len(CellsElement)))
        for _, CellsElementElement := range CellsElement {
            WriteInt32(writer, int32(len(CellsElementElement)))
            for _, CellsElementElementElement := range CellsElementElement {
                WriteInt32(writer, CellsElementElementElement)
            }
        }
    }
    WriteInt32(writer, int32(len(value.Groups)))
    for GroupsKey, GroupsValue := range value.Groups {
        WriteInt32(writer, int32(len(GroupsKey)))
        for _, GroupsKeyElement := range GroupsKey {
            WriteInt32(writer, GroupsKeyElement)
        }
        WriteInt32(writer, int32(len(GroupsValue)))
        for _, GroupsValueElement := range GroupsValue {
            WriteString(writer, GroupsValueElement)
        }
    }
}
