#nowarn "0058"
namespace Velmora.Model
type Team = {
    Squad: Squad;
    } with
    member this.writeTo(writer: System.IO.BinaryWriter) =
        this.Squad.writeTo writer
    static member readFrom(reader: System.IO.BinaryReader) = {
        Squad = Squad.readFrom reader
    }
