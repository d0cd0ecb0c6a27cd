namespace ProjectName

open System
open System.IO
open System.Net.Sockets

module Runner =
    type T(host: string, port: int, token: string) =
        let client = new TcpClient(host, port)
        let stream = new BufferedStream(client.GetStream())
        let reader = new BinaryReader(stream)
        let writer = new BinaryWriter(stream)
        let tokenData = System.Text.Encoding.UTF8.GetBytes token

        do
            client.NoDelay <- true
            writer.Write tokenData.Length
            writer.Write tokenData
            writer.Flush()

        member this.run =
            let myStrategy = new MyStrategy()
            let debugInterface = new DebugInterface(reader, writer)

            let rec loop () =
                match Model.ServerMessage.readFrom reader with
                | Model.ServerMessage.GetAction message ->
                    let debug = if message.DebugAvailable then Some debugInterface else None
                    let action = myStrategy.getAction (message.PlayerView, debug)
                    (Model.ClientMessage.ActionMessage { Model.ClientMessageActionMessage.Action = action }).writeTo writer
                    writer.Flush()
                    loop ()
                | Model.ServerMessage.Finish _ -> ()
                | Model.ServerMessage.DebugUpdate message ->
                    myStrategy.debugUpdate (message.PlayerView, debugInterface)
                    (new Model.ClientMessageDebugUpdateDone()).writeTo writer
                    writer.Flush()
                    loop ()

            loop ()

    [<EntryPoint>]
    let main argv =
        let host = if argv.Length < 1 then "127.0.0.1" else argv.[0]
        let port = if argv.Length < 2 then 31001 else Int32.Parse argv.[1]
        let token = if argv.Length < 3 then "5829147365820914" else argv.[2]
        (new T(host, port, token)).run
        0
