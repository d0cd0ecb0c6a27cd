'use strict';

const StreamWrapper = require('./stream-wrapper');
const { Socket } = require('net');
const model = require('./model/index');
const { MyStrategy } = require('./my-strategy');
const { DebugInterface } = require('./debug-interface');

class Runner {
    constructor(host, port, token) {
        this.socket = new Socket({ readable: true, writable: true });
        this.socket.setNoDelay(true);
        this.socket.on('error', (error) => {
            console.error('Socket error: ' + error.message);
            process.exit(1);
        });
        this.streamWrapper = new StreamWrapper(this.socket);
        this.host = host;
        this.port = port;
        this.token = token;
    }

    async connect() {
        await new Promise((resolve) => {
            this.socket.connect({ host: this.host, port: this.port }, resolve);
        });
        await this.streamWrapper.writeString(this.token);
    }

    async run() {
        try {
            await this.connect();
            const strategy = new MyStrategy();
            const debugInterface = new DebugInterface(this.streamWrapper);
            while (true) {
                const message = await model.ServerMessage.readFrom(this.streamWrapper);
                if (message instanceof model.ServerMessage.GetAction) {
                    const action = await strategy.getAction(
                        message.playerView, message.debugAvailable ? debugInterface : null);
                    await new model.ClientMessage.ActionMessage(action).writeTo(this.streamWrapper);
                } else if (message instanceof model.ServerMessage.Finish) {
                    break;
                } else if (message instanceof model.ServerMessage.DebugUpdate) {
                    await strategy.debugUpdate(message.playerView, debugInterface);
                    await new model.ClientMessage.DebugUpdateDone().writeTo(this.streamWrapper);
                } else {
                    throw new Error('Unexpected server message');
                }
            }
            // The game is over: nothing keeps the process waiting.
            this.streamWrapper.close();
        } catch (e) {
            console.error(e);
            process.exit(1);
        }
    }
}

const host = process.argv.length < 3 ? '127.0.0.1' : process.argv[2];
const port = process.argv.length < 4 ? 31001 : parseInt(process.argv[3]);
const token = process.argv.length < 5 ? '5829147365820914' : process.argv[4];
(new Runner(host, port, token)).run();
