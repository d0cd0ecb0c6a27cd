namespace Velmora.Model
{
    public enum Single
    {
        Only = 0,
    }
}
