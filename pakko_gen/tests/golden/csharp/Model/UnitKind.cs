namespace Velmora.Model
{
    public enum UnitKind
    {
        Worker = 0,
        RangedUnit = 1,
        Turret = 2,
    }
}
