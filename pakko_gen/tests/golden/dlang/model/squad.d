import model;
import stream;
import std.conv;
import std.typecons : Nullable;

struct Squad {
    Nullable!(int) leaderId;
    Vec2Int[] positions;
    Vec2Int[UnitKind] targets;
    string name;
    bool active;
    float speed;
    long maxLong;
    this(Nullable!(int) leaderId, Vec2Int[] positions, Vec2Int[UnitKind] targets, string name, bool active, float speed, long maxLong) {
        this.leaderId = leaderId;
        this.positions = positions;
        this.targets = targets;
        this.name = name;
        this.active = active;
        this.speed = speed;
        this.maxLong = maxLong;
    }
    static Squad readFrom(Stream reader) {
        auto result = Squad();
        if (reader.readBool()) {
            result.leaderId = reader.readInt();
        } else {
            result.leaderId.nullify();
        }
        result.positions = [];
        for (int i = 0, iCount = reader.readSize(); i < iCount; i++) {
            result.positions.length += 1;
            result.positions[i] = Vec2Int.readFrom(reader);
        }
        int targetsSize = reader.readSize();
        result.targets.clear();
        for (int i = 0; i < targetsSize; i++) {
            UnitKind targetsKey;
            switch (reader.readInt()) {
            case 0:
                targetsKey = UnitKind.Worker;
                break;
            case 1:
                targetsKey = UnitKind.RangedUnit;
                break;
            case 2:
                targetsKey = UnitKind.Turret;
                break;
            default:
                throw new Exception("Unexpected tag value");
            }
            Vec2Int targetsValue;
            targetsValue = Vec2Int.readFrom(reader);
            result.targets[targetsKey] = targetsValue;
        }
        result.name = reader.readString();
        result.active = reader.readBool();
        result.speed = reader.readFloat();
        result.maxLong = reader.readLong();
        return result;
    }
    void writeTo(Stream writer) const {
        if (leaderId.isNull()) {
            writer.write(false);
        } else {
            writer.write(true);
            writer.write(leaderId.get);
        }
        writer.write(cast(int)(positions.length));
        foreach (positionsElement; positions) {
            positionsElement.writeTo(writer);
        }
        writer.write(cast(int)(targets.length));
        foreach (targetsKey, targetsValue; targets) {
            writer.write(cast(int)(targetsKey));
            targetsValue.writeTo(writer);
        }
        writer.write(name);
        writer.write(active);
        writer.write(speed);
        writer.write(maxLong);
    }
    string toString() const {
        return "Squad" ~ "(" ~
            to!string(leaderId) ~
            to!string(positions) ~
            to!string(targets) ~
            to!string(name) ~
            to!string(active) ~
            to!string(speed) ~
            to!string(maxLong) ~
            ")";
    }
}
