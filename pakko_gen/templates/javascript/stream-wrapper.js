'use strict';

const BOOL_SIZE = 1;
const INT_SIZE = 4;
const LONG_SIZE = 8;
const FLOAT_SIZE = 4;
const DOUBLE_SIZE = 8;

// Numbers travel little-endian whatever the host's own order is.
class StreamWrapper {
    constructor(socket) {
        this.socket = socket;
        this.data = Buffer.alloc(0);
        this.needAmount = null;
        this.resolve = null;
        this.reject = null;
        this.closed = false;
        this.socket.on('data', (data) => this.dataHandler(data));
        // Without this a read pending when the peer hangs up would never end.
        this.socket.on('close', () => this.closeHandler());
    }

    dataHandler(data) {
        this.data = Buffer.concat([this.data, data]);
        this.update();
    }

    closeHandler() {
        this.closed = true;
        this.update();
    }

    update() {
        if (this.needAmount === null) {
            return;
        }
        if (this.data.length >= this.needAmount) {
            const result = this.data.subarray(0, this.needAmount);
            this.data = this.data.subarray(this.needAmount);
            const resolve = this.resolve;
            this.settled();
            resolve(result);
        } else if (this.closed) {
            const reject = this.reject;
            this.settled();
            reject(new Error('Connection closed'));
        }
    }

    settled() {
        this.needAmount = null;
        this.resolve = null;
        this.reject = null;
    }

    close() {
        this.socket.destroy();
    }

    _read(size) {
        if (!Number.isInteger(size) || size < 0) {
            return Promise.reject(new Error('Error while reading data: invalid length ' + size));
        }
        return new Promise((resolve, reject) => {
            this.needAmount = size;
            this.resolve = resolve;
            this.reject = reject;
            this.update();
        }).catch((error) => {
            throw new Error('Error while reading data: ' + error.message);
        });
    }

    // Reading primitives

    async readBool() {
        const buffer = await this._read(BOOL_SIZE);
        const value = buffer.readUInt8();
        if (value > 1) {
            throw new Error('Unexpected bool value ' + value);
        }
        return value === 1;
    }

    async readInt() {
        const buffer = await this._read(INT_SIZE);
        return buffer.readInt32LE();
    }

    // A value beyond the exact range of a number stays a BigInt.
    async readLong() {
        const buffer = await this._read(LONG_SIZE);
        const value = buffer.readBigInt64LE();
        const number = Number(value);
        return Number.isSafeInteger(number) ? number : value;
    }

    async readFloat() {
        const buffer = await this._read(FLOAT_SIZE);
        return buffer.readFloatLE();
    }

    async readDouble() {
        const buffer = await this._read(DOUBLE_SIZE);
        return buffer.readDoubleLE();
    }

    // A count of elements or a length in bytes; a negative one is an error.
    async readSize() {
        const size = await this.readInt();
        if (size < 0) {
            throw new Error('Negative length or count ' + size);
        }
        return size;
    }

    // The bytes gather as they arrive, whatever length was announced.
    async readString() {
        const length = await this.readSize();
        const buffer = await this._read(length);
        if (buffer.length !== length) {
            throw new Error('Unexpected EOF');
        }
        return buffer.toString('utf8');
    }

    // Writing primitives

    _write(data) {
        return new Promise((resolve, reject) => {
            this.socket.write(data, 'utf8', (error) => {
                if (error) {
                    reject(new Error('Error while writing data: ' + error.message));
                } else {
                    resolve(true);
                }
            });
        });
    }

    async writeBool(value) {
        const buffer = Buffer.alloc(BOOL_SIZE);
        buffer.writeUInt8(value ? 1 : 0);
        return await this._write(buffer);
    }

    async writeInt(value) {
        const buffer = Buffer.alloc(INT_SIZE);
        buffer.writeInt32LE(value);
        return await this._write(buffer);
    }

    async writeLong(value) {
        const buffer = Buffer.alloc(LONG_SIZE);
        buffer.writeBigInt64LE(BigInt(value));
        return await this._write(buffer);
    }

    async writeFloat(value) {
        const buffer = Buffer.alloc(FLOAT_SIZE);
        buffer.writeFloatLE(value);
        return await this._write(buffer);
    }

    async writeDouble(value) {
        const buffer = Buffer.alloc(DOUBLE_SIZE);
        buffer.writeDoubleLE(value);
        return await this._write(buffer);
    }

    async writeString(value) {
        const data = Buffer.from(value, 'utf8');
        await this.writeInt(data.length);
        return await this._write(data);
    }
}

module.exports = StreamWrapper;