#nowarn "0058"
namespace Velmora.Model
type Nothing = struct end with
    member this.writeTo(writer: System.IO.BinaryWriter) =
        ()
    static member readFrom(reader: System.IO.BinaryReader) = new Nothing()
