#nowarn "0058"
namespace Velmora.Model
type Single =
    | Only = 0
