// Reads one message of the named root with the generated model and writes it
// back: javascript_round_trip.js PACKAGE ROOT INPUT OUTPUT [ROOT INPUT
// OUTPUT...]. The first failure goes to standard error, status 1.
'use strict';

const EventEmitter = require('events');
const fs = require('fs');
const path = require('path');

const packageDir = path.resolve(process.argv[2]);
const StreamWrapper = require(path.join(packageDir, 'stream-wrapper'));
const model = require(path.join(packageDir, 'model', 'index'));

// A socket whose bytes come from memory and whose writes are kept.
class MemorySocket extends EventEmitter {
    constructor() {
        super();
        this.written = [];
    }

    write(data, encoding, callback) {
        this.written.push(Buffer.from(data));
        callback();
        return true;
    }

    destroy() {
        this.emit('close');
    }
}

async function main(root, input, output) {
    const roots = { ServerMessage: model.ServerMessage, ClientMessage: model.ClientMessage, DebugState: model.DebugState };
    if (!(root in roots)) {
        throw new Error('Unknown root ' + root);
    }
    const source = new MemorySocket();
    const reader = new StreamWrapper(source);
    source.emit('data', fs.readFileSync(input));
    source.emit('close');
    const target = new MemorySocket();
    const value = await roots[root].readFrom(reader);
    await value.writeTo(new StreamWrapper(target));
    if (reader.data.length !== 0) {
        throw new Error('Bytes left after the message');
    }
    fs.writeFileSync(output, Buffer.concat(target.written));
}

async function all(args) {
    for (let at = 0; at + 2 < args.length; at += 3) {
        await main(args[at], args[at + 1], args[at + 2]);
    }
}

all(process.argv.slice(3)).catch((error) => {
    process.stderr.write(error.message + '\n');
    process.exit(1);
});
