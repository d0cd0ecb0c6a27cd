namespace ProjectName

type DebugInterface(reader: System.IO.BinaryReader, writer: System.IO.BinaryWriter) =
    member this.send(command: Model.DebugCommand) =
        (Model.ClientMessage.DebugMessage { Model.ClientMessageDebugMessage.Command = command }).writeTo writer
        writer.Flush()

    member this.getState(): Model.DebugState =
        (new Model.ClientMessageRequestDebugState()).writeTo writer
        writer.Flush()
        Model.DebugState.readFrom reader
