namespace Velmora.Model
{
    public struct Nothing
    {
        public static Nothing ReadFrom(System.IO.BinaryReader reader)
        {
            var result = new Nothing();
            return result;
        }
        public void WriteTo(System.IO.BinaryWriter writer)
        {
        }
    }
}
