#include "Squad.hpp"

Squad::Squad() { }
Squad::Squad(std::shared_ptr<int> leaderId, std::vector<Vec2Int> positions, std::unordered_map<UnitKind, Vec2Int> targets, std::string name, bool active, float speed, long long maxLong) : leaderId(leaderId), positions(positions), targets(targets), name(name), active(active), speed(speed), maxLong(maxLong) { }
Squad Squad::readFrom(InputStream& stream) {
    Squad result;
    if (stream.readBool()) {
        result.leaderId = std::shared_ptr<int>(new int());
        *result.leaderId = stream.readInt();
    } else {
        result.leaderId = std::shared_ptr<int>();
    }
    result.positions = std::vector<Vec2Int>();
    for (size_t i = 0, iCount = stream.readSize(); i < iCount; i++) {
        result.positions.emplace_back();
        result.positions[i] = Vec2Int::readFrom(stream);
    }
    size_t targetsSize = stream.readSize();
    result.targets = std::unordered_map<UnitKind, Vec2Int>();
    for (size_t i = 0; i < targetsSize; i++) {
        UnitKind targetsKey;
        switch (stream.readInt()) {
        case 0:
            targetsKey = UnitKind::WORKER;
            break;
        case 1:
            targetsKey = UnitKind::RANGED_UNIT;
            break;
        case 2:
            targetsKey = UnitKind::TURRET;
            break;
        default:
            throw std::runtime_error("Unexpected tag value");
        }
        Vec2Int targetsValue;
        targetsValue = Vec2Int::readFrom(stream);
        result.targets.emplace(std::make_pair(targetsKey, targetsValue));
    }
    result.name = stream.readString();
    result.active = stream.readBool();
    result.speed = stream.readFloat();
    result.maxLong = stream.readLongLong();
    return result;
}
void Squad::writeTo(OutputStream& stream) const {
    if (leaderId) {
        stream.write(true);
        stream.write((*leaderId));
    } else {
        stream.write(false);
    }
    stream.write((int)(positions.size()));
    for (const Vec2Int& positionsElement : positions) {
        positionsElement.writeTo(stream);
    }
    stream.write((int)(targets.size()));
    for (const auto& targetsEntry : targets) {
        stream.write((int)(targetsEntry.first));
        targetsEntry.second.writeTo(stream);
    }
    stream.write(name);
    stream.write(active);
    stream.write(speed);
    stream.write(maxLong);
}
