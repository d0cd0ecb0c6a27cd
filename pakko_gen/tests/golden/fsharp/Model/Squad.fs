#nowarn "0058"
namespace Velmora.Model
type Squad = {
    LeaderId: option<int>;
    Positions: Vec2Int[];
    Targets: Map<UnitKind, Vec2Int>;
    Name: string;
    Active: bool;
    Speed: single;
    MaxLong: long;
    } with
    member this.writeTo(writer: System.IO.BinaryWriter) =
        match this.LeaderId with
            | Some value ->
                writer.Write true
                writer.Write value
            | None -> writer.Write false
        writer.Write this.Positions.Length
        this.Positions |> Array.iter (fun value ->
            value.writeTo writer
        )
        writer.Write this.Targets.Count
        this.Targets |> Map.iter (fun key value ->
            writer.Write (int key)
            value.writeTo writer
        )
        let NameData : byte[] = System.Text.Encoding.UTF8.GetBytes this.Name
        writer.Write NameData.Length
        writer.Write NameData
        writer.Write this.Active
        writer.Write this.Speed
        writer.Write this.MaxLong
    static member readFrom(reader: System.IO.BinaryReader) = {
        LeaderId = match reader.ReadBoolean() with
            | true ->
                Some(
                    reader.ReadInt32()
                    )
            | false -> None
        Positions = [|for _ in 1 .. reader.ReadInt32() do
            yield Vec2Int.readFrom reader
        |]
        Targets = [for _ in 1 .. reader.ReadInt32() do
            let key = reader.ReadInt32() |> enum
            let value = Vec2Int.readFrom reader
            yield (key, value)
            ] |> Map.ofList
        Name = reader.ReadInt32() |> reader.ReadBytes |> System.Text.Encoding.UTF8.GetString
        Active = reader.ReadBoolean()
        Speed = reader.ReadSingle()
        MaxLong = reader.ReadInt64()
    }
