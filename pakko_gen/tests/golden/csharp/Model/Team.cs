namespace Velmora.Model
{
    public struct Team
    {
        public Model.Squad Squad { get; set; }
        public Team(Model.Squad squad)
        {
            this.Squad = squad;
        }
        public static Team ReadFrom(System.IO.BinaryReader reader)
        {
            var result = new Team();
            result.Squad = Model.Squad.ReadFrom(reader);
            return result;
        }
        public void WriteTo(System.IO.BinaryWriter writer)
        {
            Squad.WriteTo(writer);
        }
    }
}
