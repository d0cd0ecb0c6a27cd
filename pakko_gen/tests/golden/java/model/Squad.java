package model;

import util.StreamUtil;

public class Squad {
    private Integer leaderId;
    public Integer getLeaderId() { return leaderId; }
    public void setLeaderId(Integer leaderId) { this.leaderId = leaderId; }
    private model.Vec2Int[] positions;
    public model.Vec2Int[] getPositions() { return positions; }
    public void setPositions(model.Vec2Int[] positions) { this.positions = positions; }
    private java.util.Map<model.UnitKind, model.Vec2Int> targets;
    public java.util.Map<model.UnitKind, model.Vec2Int> getTargets() { return targets; }
    public void setTargets(java.util.Map<model.UnitKind, model.Vec2Int> targets) { this.targets = targets; }
    private String name;
    public String getName() { return name; }
    public void setName(String name) { this.name = name; }
    private boolean active;
    public boolean isActive() { return active; }
    public void setActive(boolean active) { this.active = active; }
    private float speed;
    public float getSpeed() { return speed; }
    public void setSpeed(float speed) { this.speed = speed; }
    private long maxLong;
    public long getMaxLong() { return maxLong; }
    public void setMaxLong(long maxLong) { this.maxLong = maxLong; }
    public Squad() {}
    public Squad(Integer leaderId, model.Vec2Int[] positions, java.util.Map<model.UnitKind, model.Vec2Int> targets, String name, boolean active, float speed, long maxLong) {
        this.leaderId = leaderId;
        this.positions = positions;
        this.targets = targets;
        this.name = name;
        this.active = active;
        this.speed = speed;
        this.maxLong = maxLong;
    }
    public static Squad readFrom(java.io.InputStream stream) throws java.io.IOException {
        Squad result = new Squad();
        if (StreamUtil.readBoolean(stream)) {
            result.leaderId = StreamUtil.readInt(stream);
        } else {
            result.leaderId = null;
        }
        result.positions = new model.Vec2Int[StreamUtil.readSize(stream)];
        for (int i = 0; i < result.positions.length; i++) {
            result.positions[i] = model.Vec2Int.readFrom(stream);
        }
        int targetsSize = StreamUtil.readSize(stream);
        result.targets = new java.util.HashMap<>();
        for (int i = 0; i < targetsSize; i++) {
            model.UnitKind targetsKey;
            switch (StreamUtil.readInt(stream)) {
            case 0:
                targetsKey = model.UnitKind.WORKER;
                break;
            case 1:
                targetsKey = model.UnitKind.RANGED_UNIT;
                break;
            case 2:
                targetsKey = model.UnitKind.TURRET;
                break;
            default:
                throw new java.io.IOException("Unexpected tag value");
            }
            model.Vec2Int targetsValue;
            targetsValue = model.Vec2Int.readFrom(stream);
            result.targets.put(targetsKey, targetsValue);
        }
        result.name = StreamUtil.readString(stream);
        result.active = StreamUtil.readBoolean(stream);
        result.speed = StreamUtil.readFloat(stream);
        result.maxLong = StreamUtil.readLong(stream);
        return result;
    }
    public void writeTo(java.io.OutputStream stream) throws java.io.IOException {
        if (leaderId == null) {
            StreamUtil.writeBoolean(stream, false);
        } else {
            StreamUtil.writeBoolean(stream, true);
            StreamUtil.writeInt(stream, leaderId);
        }
        StreamUtil.writeInt(stream, positions.length);
        for (model.Vec2Int positionsElement : positions) {
            positionsElement.writeTo(stream);
        }
        StreamUtil.writeInt(stream, targets.size());
        for (java.util.Map.Entry<model.UnitKind, model.Vec2Int> targetsEntry : targets.entrySet()) {
            model.UnitKind targetsKey = targetsEntry.getKey();
            model.Vec2Int targetsValue = targetsEntry.getValue();
            StreamUtil.writeInt(stream, targetsKey.tag);
            targetsValue.writeTo(stream);
        }
        StreamUtil.writeString(stream, name);
        StreamUtil.writeBoolean(stream, active);
        StreamUtil.writeFloat(stream, speed);
        StreamUtil.writeLong(stream, maxLong);
    }
}
