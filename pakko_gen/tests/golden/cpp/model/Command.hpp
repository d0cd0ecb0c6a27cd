#ifndef _MODEL_COMMAND_HPP_
#define _MODEL_COMMAND_HPP_

#include <memory>
#include "../Stream.hpp"
#include "Vec2Int.hpp"
#include <stdexcept>
#include <string>

class Command {
public:
    class Move;
    class Stop;

    static std::shared_ptr<Command> readFrom(InputStream& stream);
    virtual void writeTo(OutputStream& stream) const = 0;
};

class Command::Move : public Command {
public:
    static const int TAG = 0;
public:
    Vec2Int target;
    double speed;
    Move();
    Move(Vec2Int target, double speed);
    static Move readFrom(InputStream& stream);
    void writeTo(OutputStream& stream) const override;
};

class Command::Stop : public Command {
public:
    static const int TAG = 1;
public:
    Stop();
    static Stop readFrom(InputStream& stream);
    void writeTo(OutputStream& stream) const override;
};

#endif
