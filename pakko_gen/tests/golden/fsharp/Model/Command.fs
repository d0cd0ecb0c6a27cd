#nowarn "0058"
namespace Velmora.Model

type CommandMove = {
    Target: Vec2Int;
    Speed: double;
    } with
    member this.writeTo(writer: System.IO.BinaryWriter) =
        writer.Write 0
        this.Target.writeTo writer
        writer.Write this.Speed
    static member readFrom(reader: System.IO.BinaryReader) = {
        Target = Vec2Int.readFrom reader
        Speed = reader.ReadDouble()
    }

type CommandStop = struct end with
    member this.writeTo(writer: System.IO.BinaryWriter) =
        writer.Write 1
    static member readFrom(reader: System.IO.BinaryReader) = new CommandStop()
type Command = 
    | Move of CommandMove
    | Stop of CommandStop
    with
    member this.writeTo(writer: System.IO.BinaryWriter) =
        match this with
            | Move value -> value.writeTo writer
            | Stop value -> value.writeTo writer
    static member readFrom(reader: System.IO.BinaryReader) =
        match reader.ReadInt32() with
            | 0 -> Move (CommandMove.readFrom reader)
            | 1 -> Stop (CommandStop.readFrom reader)
            | x -> failwith (sprintf "Unexpected tag %d" x)
