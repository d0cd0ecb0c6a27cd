namespace Velmora.Model
{
    public struct Grid
    {
        public int[][][] Cells { get; set; }
        public System.Collections.Generic.IDictionary<int[], string[]> Groups { get; set; }
        public Grid(int[][][] cells, System.Collections.Generic.IDictionary<int[], string[]> groups)
        {
            this.Cells = cells;
            this.Groups = groups;
        }
        public static Grid ReadFrom(System.IO.BinaryReader reader)
        {
            var result = new Grid();
            result.Cells = new int[StreamUtil.ReadSize(reader)][][];
            for (int i = 0; i < result.Cells.Length; i++)
            {
                result.Cells[i] = new int[StreamUtil.ReadSize(reader)][];
                for (int j = 0; j < result.Cells[i].Length; j++)
                {
                    result.Cells[i][j] = new int[StreamUtil.ReadSize(reader)];
                    for (int k = 0; k < result.Cells[i][j].Length; k++)
                    {
                        result.Cells[i][j][k] = reader.ReadInt32();
                    }
                }
            }
            int GroupsSize = StreamUtil.ReadSize(reader);
            result.Groups = new System.Collections.Generic.Dictionary<int[], string[]>();
            for (int i = 0; i < GroupsSize; i++)
            {
                int[] GroupsKey;
                GroupsKey = new int[StreamUtil.ReadSize(reader)];
                for (int j = 0; j < GroupsKey.Length; j++)
                {
                    GroupsKey[j] = reader.ReadInt32();
                }
                string[] GroupsValue;
                GroupsValue = new string[StreamUtil.ReadSize(reader)];
                for (int k = 0; k < GroupsValue.Length; k++)
                {
                    GroupsValue[k] = StreamUtil.ReadString(reader);
                }
                result.Groups.Add(GroupsKey, GroupsValue);
            }
            return result;
        }
        public void WriteTo(System.IO.BinaryWriter writer)
        {
            writer.Write(Cells.Length);
            foreach (var CellsElement in Cells)
            {
                writer.Write(CellsElement.Length);
                foreach (var CellsElementElement in CellsElement)
                {
                    writer.Write(CellsElementElement.Length);
                    foreach (var CellsElementElementElement in CellsElementElement)
                    {
                        writer.Write(CellsElementElementElement);
                    }
                }
            }
            writer.Write(Groups.Count);
            foreach (var GroupsEntry in Groups)
            {
                var GroupsKey = GroupsEntry.Key;
                var GroupsValue = GroupsEntry.Value;
                writer.Write(GroupsKey.Length);
                foreach (var GroupsKeyElement in GroupsKey)
                {
                    writer.Write(GroupsKeyElement);
                }
                writer.Write(GroupsValue.Length);
                foreach (var GroupsValueElement in GroupsValue)
                {
                    var GroupsValueElementData = System.Text.Encoding.UTF8.GetBytes(GroupsValueElement);
                    writer.Write(GroupsValueElementData.Length);
                    writer.Write(GroupsValueElementData);
                }
            }
        }
    }
}
