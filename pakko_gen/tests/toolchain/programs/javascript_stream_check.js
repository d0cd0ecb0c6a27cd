// Checks how the stream helper meets a peer that hangs up, a write that
// fails and a negative length: javascript_stream_check.js PACKAGE. Prints
// each failed check and ends with status 1 when there is one.
'use strict';

const EventEmitter = require('events');
const net = require('net');
const path = require('path');

const StreamWrapper = require(path.join(path.resolve(process.argv[2]), 'stream-wrapper'));

const failures = [];

// Settles with the error message of `promise`, or fails the check when it
// resolves or stays pending for a second.
function rejection(name, promise) {
    return new Promise((resolve) => {
        const timer = setTimeout(() => {
            failures.push(name + ': still pending after 1 s');
            resolve(null);
        }, 1000);
        promise.then(
            (value) => {
                clearTimeout(timer);
                failures.push(name + ': resolved with ' + value);
                resolve(null);
            },
            (error) => {
                clearTimeout(timer);
                resolve(error.message);
            });
    });
}

function expectMessage(name, message, expected) {
    if (message !== null && !message.includes(expected)) {
        failures.push(name + ': message "' + message + '" lacks "' + expected + '"');
    }
}

// A pending read ends when the server closes the connection.
async function pendingReadOnClose() {
    const server = net.createServer((connection) => setTimeout(() => connection.destroy(), 50));
    await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
    const socket = net.connect(server.address().port, '127.0.0.1');
    await new Promise((resolve) => socket.on('connect', resolve));
    const stream = new StreamWrapper(socket);
    const message = await rejection('pending read on close', stream.readInt());
    expectMessage('pending read on close', message, 'Error while reading data');
    // Later reads fail at once too.
    expectMessage('read after close', await rejection('read after close', stream.readBool()), 'Error while reading data');
    // So does writing to what is gone.
    expectMessage('write after close', await rejection('write after close', stream.writeInt(7)), 'Error while writing data');
    server.close();
}

async function negativeLength() {
    const socket = new EventEmitter();
    const stream = new StreamWrapper(socket);
    const bytes = Buffer.alloc(8);
    bytes.writeInt32LE(-1, 0);
    socket.emit('data', bytes);
    const message = await rejection('negative string length', stream.readString());
    expectMessage('negative string length', message, 'Negative length or count');
    // The bytes after the length were not consumed by the failed read.
    if (stream.data.length !== 4) {
        failures.push('negative string length: ' + stream.data.length + ' bytes left instead of 4');
    }
}

async function main() {
    await pendingReadOnClose();
    await negativeLength();
    for (const failure of failures) {
        console.error(failure);
    }
    process.exit(failures.length === 0 ? 0 : 1);
}

main();
