import model;
import stream;
import std.conv;
import std.typecons : Nullable;

abstract class Command {
    abstract void writeTo(Stream writer) const;
    static Command readFrom(Stream reader) {
        switch (reader.readInt()) {
            case Move.TAG:
                return Move.readFrom(reader);
            case Stop.TAG:
                return Stop.readFrom(reader);
            default:
                throw new Exception("Unexpected tag value");
        }
    }

    static class Move : Command {
        static const int TAG = 0;
        Vec2Int target;
        double speed;
        this() {}
        this(Vec2Int target, double speed) {
            this.target = target;
            this.speed = speed;
        }
        static Move readFrom(Stream reader) {
            auto result = new Move();
            result.target = Vec2Int.readFrom(reader);
            result.speed = reader.readDouble();
            return result;
        }
        override void writeTo(Stream writer) const {
            writer.write(TAG);
            target.writeTo(writer);
            writer.write(speed);
        }
        override string toString() const {
            return "Move" ~ "(" ~
                to!string(target) ~
                to!string(speed) ~
                ")";
        }
    }

    static class Stop : Command {
        static const int TAG = 1;
        this() {}
        static Stop readFrom(Stream reader) {
            auto result = new Stop();
            return result;
        }
        override void writeTo(Stream writer) const {
            writer.write(TAG);
        }
        override string toString() const {
            return "Stop" ~ "(" ~
                ")";
        }
    }
}
