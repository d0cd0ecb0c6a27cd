package model;

import util.StreamUtil;

public class Grid {
    private int[][][] cells;
    public int[][][] getCells() { return cells; }
    public void setCells(int[][][] cells) { this.cells = cells; }
    private java.util.Map<int[], String[]> groups;
    public java.util.Map<int[], String[]> getGroups() { return groups; }
    public void setGroups(java.util.Map<int[], String[]> groups) { this.groups = groups; }
    public Grid() {}
    public Grid(int[][][] cells, java.util.Map<int[], String[]> groups) {
        this.cells = cells;
        this.groups = groups;
    }
    public static Grid readFrom(java.io.InputStream stream) throws java.io.IOException {
        Grid result = new Grid();
        result.cells = new int[StreamUtil.readSize(stream)][][];
        for (int i = 0; i < result.cells.length; i++) {
            result.cells[i] = new int[StreamUtil.readSize(stream)][];
            for (int j = 0; j < result.cells[i].length; j++) {
                result.cells[i][j] = new int[StreamUtil.readSize(stream)];
                for (int k = 0; k < result.cells[i][j].length; k++) {
                    result.cells[i][j][k] = StreamUtil.readInt(stream);
                }
            }
        }
        int groupsSize = StreamUtil.readSize(stream);
        result.groups = new java.util.HashMap<>();
        for (int i = 0; i < groupsSize; i++) {
            int[] groupsKey;
            groupsKey = new int[StreamUtil.readSize(stream)];
            for (int j = 0; j < groupsKey.length; j++) {
                groupsKey[j] = StreamUtil.readInt(stream);
            }
            String[] groupsValue;
            groupsValue = new String[StreamUtil.readSize(stream)];
            for (int k = 0; k < groupsValue.length; k++) {
                groupsValue[k] = StreamUtil.readString(stream);
            }
            result.groups.put(groupsKey, groupsValue);
        }
        return result;
    }
    public void writeTo(java.io.OutputStream stream) throws java.io.IOException {
        StreamUtil.writeInt(stream, cells.length);
        for (int[][] cellsElement : cells) {
            StreamUtil.writeInt(stream, cellsElement.length);
            for (int[] cellsElementElement : cellsElement) {
                StreamUtil.writeInt(stream, cellsElementElement.length);
                for (int cellsElementElementElement : cellsElementElement) {
                    StreamUtil.writeInt(stream, cellsElementElementElement);
                }
            }
        }
        StreamUtil.writeInt(stream, groups.size());
        for (java.util.Map.Entry<int[], String[]> groupsEntry : groups.entrySet()) {
            int[] groupsKey = groupsEntry.getKey();
            String[] groupsValue = groupsEntry.getValue();
            StreamUtil.writeInt(stream, groupsKey.length);
            for (int groupsKeyElement : groupsKey) {
                StreamUtil.writeInt(stream, groupsKeyElement);
            }
            StreamUtil.writeInt(stream, groupsValue.length);
            for (String groupsValueElement : groupsValue) {
                StreamUtil.writeString(stream, groupsValueElement);
            }
        }
    }
}
