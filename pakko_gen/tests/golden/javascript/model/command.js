const Vec2Int = require('./vec2-int');
class Command {
    static async readFrom(stream) {
        let tag = await stream.readInt();
        if (tag == Move.TAG) {
            return await Move.readFrom(stream);
        }
        if (tag == Stop.TAG) {
            return await Stop.readFrom(stream);
        }
        throw new Error("Unexpected tag value");
    }
}

class Move extends Command {
    constructor(target, speed) {
        super();
        this.target = target;
        this.speed = speed;
    }
    static async readFrom(stream) {
        let target;
        target = await Vec2Int.readFrom(stream);
        let speed;
        speed = await stream.readDouble();
        return new Move(target, speed);
    }
    async writeTo(stream) {
        await stream.writeInt(Move.TAG);
        let target = this.target;
        await target.writeTo(stream);
        let speed = this.speed;
        await stream.writeDouble(speed);
    }
}
Command.Move = Move;
Move.TAG = 0;
class Stop extends Command {
    constructor() {
        super();
    }
    static async readFrom(stream) {
        return new Stop();
    }
    async writeTo(stream) {
        await stream.writeInt(Stop.TAG);
    }
}
Command.Stop = Stop;
Stop.TAG = 1;
module.exports = Command;
