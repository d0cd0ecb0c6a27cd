// A game that takes a client's token and hangs up before Finish: the client
// must end with a failure status. closed_game.js DIRECTORY PROGRAM ARGS...
// starts PROGRAM ARGS... HOST PORT TOKEN in DIRECTORY; status 0 when the
// client failed within five seconds, 1 otherwise.
'use strict';

const { spawn } = require('child_process');
const net = require('net');

const [directory, program, ...args] = process.argv.slice(2);

const server = net.createServer((connection) => {
    // The token's length and text, then the game is gone.
    connection.once('data', () => connection.end());
});

server.listen(0, '127.0.0.1', () => {
    const port = String(server.address().port);
    const client = spawn(program, [...args, '127.0.0.1', port, 'TOKEN'], { cwd: directory, stdio: 'inherit' });
    const timer = setTimeout(() => {
        console.error('the client still runs five seconds after the game hung up');
        client.kill('SIGKILL');
        process.exit(1);
    }, 5000);
    client.on('exit', (code, signal) => {
        clearTimeout(timer);
        if (code === 0) {
            console.error('the client reported success');
        }
        process.exit(code === 0 || signal !== null ? 1 : 0);
    });
});
