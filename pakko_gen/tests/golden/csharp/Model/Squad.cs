namespace Velmora.Model
{
    public struct Squad
    {
        public int? LeaderId { get; set; }
        public Model.Vec2Int[] Positions { get; set; }
        public System.Collections.Generic.IDictionary<Model.UnitKind, Model.Vec2Int> Targets { get; set; }
        public string Name { get; set; }
        public bool Active { get; set; }
        public float Speed { get; set; }
        public long MaxLong { get; set; }
        public Squad(int? leaderId, Model.Vec2Int[] positions, System.Collections.Generic.IDictionary<Model.UnitKind, Model.Vec2Int> targets, string name, bool active, float speed, long maxLong)
        {
            this.LeaderId = leaderId;
            this.Positions = positions;
            this.Targets = targets;
            this.Name = name;
            this.Active = active;
            this.Speed = speed;
            this.MaxLong = maxLong;
        }
        public static Squad ReadFrom(System.IO.BinaryReader reader)
        {
            var result = new Squad();
            if (StreamUtil.ReadBool(reader))
            {
                result.LeaderId = reader.ReadInt32();
            } else
            {
                result.LeaderId = null;
            }
            result.Positions = new Model.Vec2Int[StreamUtil.ReadSize(reader)];
            for (int i = 0; i < result.Positions.Length; i++)
            {
                result.Positions[i] = Model.Vec2Int.ReadFrom(reader);
            }
            int TargetsSize = StreamUtil.ReadSize(reader);
            result.Targets = new System.Collections.Generic.Dictionary<Model.UnitKind, Model.Vec2Int>();
            for (int i = 0; i < TargetsSize; i++)
            {
                Model.UnitKind TargetsKey;
                switch (reader.ReadInt32())
                {
                case 0:
                    TargetsKey = Model.UnitKind.Worker;
                    break;
                case 1:
                    TargetsKey = Model.UnitKind.RangedUnit;
                    break;
                case 2:
                    TargetsKey = Model.UnitKind.Turret;
                    break;
                default:
                    throw new System.Exception("Unexpected tag value");
                }
                Model.Vec2Int TargetsValue;
                TargetsValue = Model.Vec2Int.ReadFrom(reader);
                result.Targets.Add(TargetsKey, TargetsValue);
            }
            result.Name = StreamUtil.ReadString(reader);
            result.Active = StreamUtil.ReadBool(reader);
            result.Speed = reader.ReadSingle();
            result.MaxLong = reader.ReadInt64();
            return result;
        }
        public void WriteTo(System.IO.BinaryWriter writer)
        {
            if (!LeaderId.HasValue)
            {
                writer.Write(false);
            } else
            {
                writer.Write(true);
                writer.Write(LeaderId.Value);
            }
            writer.Write(Positions.Length);
            foreach (var PositionsElement in Positions)
            {
                PositionsElement.WriteTo(writer);
            }
            writer.Write(Targets.Count);
            foreach (var TargetsEntry in Targets)
            {
                var TargetsKey = TargetsEntry.Key;
                var TargetsValue = TargetsEntry.Value;
                writer.Write((int) (TargetsKey));
                TargetsValue.WriteTo(writer);
            }
            var NameData = System.Text.Encoding.UTF8.GetBytes(Name);
            writer.Write(NameData.Length);
            writer.Write(NameData);
            writer.Write(Active);
            writer.Write(Speed);
            writer.Write(MaxLong);
        }
    }
}
