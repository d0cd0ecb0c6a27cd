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
        result.cells = new int[][][reader.readInt()];
        for (int i = 0; i < result.cells.length; i++) {
            result.cells[i] = new int[][reader.readInt()];
            for (int j = 0; j < result.cells[i].length; j++) {
                result.cells[i][j] = new int[reader.readInt()];
                for (int k = 0; k < result.cells[i][j].length; k++) {
                    result.cells[i][j][k] = reader.readInt();
                }
            }
        }
        int groupsSize = reader.readInt();
        result.groups.clear();
        for (int i = 0; i < groupsSize; i++) {
            int[] groupsKey;
            groupsKey = new int[reader.readInt()];
            for (int j = 0; j < groupsKey.length; j++) {
                groupsKey[j] = reader.readInt();
            }
            string[] groupsValue;
            groupsValue = new string[reader.readInt()];
            for (int k = 0; k < groupsValue.length; k++) {
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
