#include "Command.hpp"
#include <stdexcept>

Command::Move::Move() { }
Command::Move::Move(Vec2Int target, double speed) : target(target), speed(speed) { }
Command::Move Command::Move::readFrom(InputStream& stream) {
    Command::Move result;
    result.target = Vec2Int::readFrom(stream);
    result.speed = stream.readDouble();
    return result;
}
void Command::Move::writeTo(OutputStream& stream) const {
    stream.write(TAG);
    target.writeTo(stream);
    stream.write(speed);
}

Command::Stop::Stop() { }
Command::Stop Command::Stop::readFrom(InputStream& stream) {
    Command::Stop result;
    return result;
}
void Command::Stop::writeTo(OutputStream& stream) const {
    stream.write(TAG);
}
std::shared_ptr<Command> Command::readFrom(InputStream& stream) {
    switch (stream.readInt()) {
    case 0:
        return std::shared_ptr<Command::Move>(new Command::Move(Command::Move::readFrom(stream)));
    case 1:
        return std::shared_ptr<Command::Stop>(new Command::Stop(Command::Stop::readFrom(stream)));
    default:
        throw std::runtime_error("Unexpected tag value");
    }
};
