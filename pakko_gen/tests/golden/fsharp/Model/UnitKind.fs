#nowarn "0058"
namespace Velmora.Model
type UnitKind =
    | Worker = 0
    | RangedUnit = 1
    | Turret = 2
