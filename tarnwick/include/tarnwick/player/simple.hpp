#pragma once
// The players that are not the game's own and need no connection.
#include <string>
#include <utility>

#include <pakko/io.hpp>

#include "tarnwick/player.hpp"

namespace tarnwick::player {

// The configuration entry of an EmptyPlayer; it has no settings.
struct EmptyPlayerOptions {
    bool operator==(const EmptyPlayerOptions&) const = default;
};

// Never acts and never fails.
template <Game G>
class EmptyPlayer final : public Player<G> {
public:
    ActionOf<G> get_action(const PlayerViewOf<G>&, DebugInterfaceOf<G>*) override { return ActionOf<G>{}; }
    void debug_update(const PlayerViewOf<G>&, DebugInterfaceOf<G>&) override {}
};

// Stands in for a player whose creation failed; every request fails with the
// text of that failure.
template <Game G>
class ErroredPlayer final : public Player<G> {
public:
    explicit ErroredPlayer(std::string error) : error_(std::move(error)) {}

    ActionOf<G> get_action(const PlayerViewOf<G>&, DebugInterfaceOf<G>*) override { fail(); }
    void debug_update(const PlayerViewOf<G>&, DebugInterfaceOf<G>&) override { fail(); }

    const std::string& error() const { return error_; }

private:
    [[noreturn]] void fail() const { throw PlayerError(pakko::IoError(pakko::ErrorKind::Other, error_)); }

    std::string error_;
};

}  // namespace tarnwick::player
