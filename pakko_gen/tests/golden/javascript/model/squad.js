const Vec2Int = require('./vec2-int');
class Squad {
    constructor(leaderId, positions, targets, name, active, speed, maxLong) {
        this.leaderId = leaderId;
        this.positions = positions;
        this.targets = targets;
        this.name = name;
        this.active = active;
        this.speed = speed;
        this.maxLong = maxLong;
    }
    static async readFrom(stream) {
        let leaderId;
        if (await stream.readBool()) {
            leaderId = await stream.readInt();
        } else {
            leaderId = null;
        }
        let positions;
        positions = [];
        for (let i = await stream.readSize(); i > 0; i--) {
            let positionsElement;
            positionsElement = await Vec2Int.readFrom(stream);
            positions.push(positionsElement);
        }
        let targets;
        targets = new Map();
        for (let i = await stream.readSize(); i > 0; i--) {
            let targetsKey;
            let targetsValue;
            targetsKey = await stream.readInt();
            targetsValue = await Vec2Int.readFrom(stream);
            targets.set(targetsKey, targetsValue);
        }
        let name;
        name = await stream.readString();
        let active;
        active = await stream.readBool();
        let speed;
        speed = await stream.readFloat();
        let maxLong;
        maxLong = await stream.readLong();
        return new Squad(leaderId, positions, targets, name, active, speed, maxLong);
    }
    async writeTo(stream) {
        let leaderId = this.leaderId;
        if (leaderId === null) {
            await stream.writeBool(false);
        } else {
            await stream.writeBool(true);
            await stream.writeInt(leaderId);
        }
        let positions = this.positions;
        await stream.writeInt(positions.length);
        for (let positionsElement of positions) {
            await positionsElement.writeTo(stream);
        }
        let targets = this.targets;
        await stream.writeInt(targets.size);
        for (let targetsEntry of targets) {
            let targetsKey = targetsEntry[0];
            let targetsValue = targetsEntry[1];
            await stream.writeInt(targetsKey);
            await targetsValue.writeTo(stream);
        }
        let name = this.name;
        await stream.writeString(name);
        let active = this.active;
        await stream.writeBool(active);
        let speed = this.speed;
        await stream.writeFloat(speed);
        let maxLong = this.maxLong;
        await stream.writeLong(maxLong);
    }
}
module.exports = Squad
