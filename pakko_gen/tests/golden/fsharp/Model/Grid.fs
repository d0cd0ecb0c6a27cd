#nowarn "0058"
namespace Velmora.Model
type Grid = {
    Cells: int[][][];
    Groups: Map<int[], string[]>;
    } with
    member this.writeTo(writer: System.IO.BinaryWriter) =
        writer.Write this.Cells.Length
        this.Cells |> Array.iter (fun value ->
            writer.Write value.Length
            value |> Array.iter (fun value ->
                writer.Write value.Length
                value |> Array.iter (fun value ->
                    writer.Write value
                )
            )
        )
        writer.Write this.Groups.Count
        this.Groups |> Map.iter (fun key value ->
            writer.Write key.Length
            key |> Array.iter (fun value ->
                writer.Write value
            )
            writer.Write value.Length
            value |> Array.iter (fun value ->
                let valueData : byte[] = System.Text.Encoding.UTF8.GetBytes value
                writer.Write valueData.Length
                writer.Write valueData
            )
        )
    static member readFrom(reader: System.IO.BinaryReader) = {
        Cells = [|for _ in 1 .. reader.ReadInt32() do
            yield [|for _ in 1 .. reader.ReadInt32() do
                yield [|for _ in 1 .. reader.ReadInt32() do
                    yield reader.ReadInt32()
                |]
            |]
        |]
        Groups = [for _ in 1 .. reader.ReadInt32() do
            let key = [|for _ in 1 .. reader.ReadInt32() do
                yield reader.ReadInt32()
            |]
            let value = [|for _ in 1 .. reader.ReadInt32() do
                yield reader.ReadInt32() |> reader.ReadBytes |> System.Text.Encoding.UTF8.GetString
            |]
            yield (key, value)
            ] |> Map.ofList
    }
