import model;
import stream;
import std.conv;
import std.typecons : Nullable;

struct Grid {
    int[][][] cells;
    string[][int[]] groups;
    this(int[][][] cells, string[][int[]] groups) {
        this.cells = cells;
        this.groups = groups;
    }
    static Grid readFrom(Stream reader) {
        auto result = Grid();
        result.cells = [];
        for (int i = 0, iCount = reader.readSize(); i < iCount; i++) {
            result.cells.length += 1;
            result.cells[i] = [];
            for (int j = 0, jCount = reader.readSize(); j < jCount; j++) {
                result.cells[i].length += 1;
                result.cells[i][j] = [];
                for (int k = 0, kCount = reader.readSize(); k < kCount; k++) {
                    result.cells[i][j].length += 1;
                    result.cells[i][j][k] = reader.readInt();
                }
            }
        }
        int groupsSize = reader.readSize();
        result.groups.clear();
        for (int i = 0; i < groupsSize; i++) {
            int[] groupsKey;
            groupsKey = [];
            for (int j = 0, jCount = reader.readSize(); j < jCount; j++) {
                groupsKey.length += 1;
                groupsKey[j] = reader.readInt();
            }
            string[] groupsValue;
            groupsValue = [];
            for (int k = 0, kCount = reader.readSize(); k < kCount; k++) {
                groupsValue.length += 1;
                groupsValue[k] = reader.readString();
            }
            result.groups[groupsKey] = groupsValue;
        }
        return result;
    }
    void writeTo(Stream writer) const {
        writer.write(cast(int)(cells.length));
        foreach (cellsElement; cells) {
            writer.write(cast(int)(cellsElement.length));
            foreach (cellsElementElement; cellsElement) {
                writer.write(cast(int)(cellsElementElement.length));
                foreach (cellsElementElementElement; cellsElementElement) {
                    writer.write(cellsElementElementElement);
                }
            }
        }
        writer.write(cast(int)(groups.length));
        foreach (groupsKey, groupsValue; groups) {
            writer.write(cast(int)(groupsKey.length));
            foreach (groupsKeyElement; groupsKey) {
                writer.write(groupsKeyElement);
            }
            writer.write(cast(int)(groupsValue.length));
            foreach (groupsValueElement; groupsValue) {
                writer.write(groupsValueElement);
            }
        }
    }
    string toString() const {
        return "Grid" ~ "(" ~
            to!string(cells) ~
            to!string(groups) ~
            ")";
    }
}
