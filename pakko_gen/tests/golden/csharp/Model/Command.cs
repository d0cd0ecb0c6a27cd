namespace Velmora.Model
{
    public abstract class Command
    {
        public abstract void WriteTo(System.IO.BinaryWriter writer);
        public static Command ReadFrom(System.IO.BinaryReader reader)
        {
            switch (reader.ReadInt32())
            {
                case Move.TAG:
                    return Move.ReadFrom(reader);
                case Stop.TAG:
                    return Stop.ReadFrom(reader);
                default:
                    throw new System.Exception("Unexpected tag value");
            }
        }

        public class Move : Command
        {
            public const int TAG = 0;
            public Model.Vec2Int Target { get; set; }
            public double Speed { get; set; }
            public Move() {}
            public Move(Model.Vec2Int target, double speed)
            {
                this.Target = target;
                this.Speed = speed;
            }
            public static new Move ReadFrom(System.IO.BinaryReader reader)
            {
                var result = new Move();
                result.Target = Model.Vec2Int.ReadFrom(reader);
                result.Speed = reader.ReadDouble();
                return result;
            }
            public override void WriteTo(System.IO.BinaryWriter writer)
            {
                writer.Write(TAG);
                Target.WriteTo(writer);
                writer.Write(Speed);
            }
        }

        public class Stop : Command
        {
            public const int TAG = 1;
            public Stop() {}
            public static new Stop ReadFrom(System.IO.BinaryReader reader)
            {
                var result = new Stop();
                return result;
            }
            public override void WriteTo(System.IO.BinaryWriter writer)
            {
                writer.Write(TAG);
            }
        }
    }
}
