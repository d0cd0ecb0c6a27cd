package model;

import util.StreamUtil;

public abstract class Command {
    public abstract void writeTo(java.io.OutputStream stream) throws java.io.IOException;
    public static Command readFrom(java.io.InputStream stream) throws java.io.IOException {
        switch (StreamUtil.readInt(stream)) {
            case Move.TAG:
                return Move.readFrom(stream);
            case Stop.TAG:
                return Stop.readFrom(stream);
            default:
                throw new java.io.IOException("Unexpected tag value");
        }
    }

    public static class Move extends Command {
        public static final int TAG = 0;
        private model.Vec2Int target;
        public model.Vec2Int getTarget() { return target; }
        public void setTarget(model.Vec2Int target) { this.target = target; }
        private double speed;
        public double getSpeed() { return speed; }
        public void setSpeed(double speed) { this.speed = speed; }
        public Move() {}
        public Move(model.Vec2Int target, double speed) {
            this.target = target;
            this.speed = speed;
        }
        public static Move readFrom(java.io.InputStream stream) throws java.io.IOException {
            Move result = new Move();
            result.target = model.Vec2Int.readFrom(stream);
            result.speed = StreamUtil.readDouble(stream);
            return result;
        }
        @Override
        public void writeTo(java.io.OutputStream stream) throws java.io.IOException {
            StreamUtil.writeInt(stream, TAG);
            target.writeTo(stream);
            StreamUtil.writeDouble(stream, speed);
        }
    }

    public static class Stop extends Command {
        public static final int TAG = 1;
        public Stop() {}
        public static Stop readFrom(java.io.InputStream stream) throws java.io.IOException {
            Stop result = new Stop();
            return result;
        }
        @Override
        public void writeTo(java.io.OutputStream stream) throws java.io.IOException {
            StreamUtil.writeInt(stream, TAG);
        }
    }
}
