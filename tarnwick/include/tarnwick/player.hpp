#pragma once
// A player of a match, as the processor drives it.
#include <cstddef>
#include <functional>
#include <stdexcept>
#include <string>

#include <pakko/io.hpp>

#include "tarnwick/debug.hpp"
#include "tarnwick/game.hpp"

namespace tarnwick::player {

// A failed request of a player; the processor removes the player for good.
class PlayerError : public std::runtime_error {
public:
    explicit PlayerError(const pakko::IoError& error)
        : std::runtime_error("IO error: " + std::string(error.what())), error_(error) {}
    const pakko::IoError& io_error() const { return error_; }

private:
    pakko::IoError error_;
};

template <Game G>
using DebugInterfaceOf = debug::DebugInterface<DebugDataOf<G>, DebugStateOf<G>>;
template <Game G>
using DebugHandlersOf = debug::DebugHandlers<DebugDataOf<G>, DebugStateOf<G>>;
template <Game G>
using DebugCommandOf = debug::DebugCommand<DebugDataOf<G>>;

// Ends, from another thread, a player's request that waits on its program:
// the request then fails. Safe to call at any time, also after the player is
// gone.
using Interrupt = std::function<void()>;

// Both operations throw PlayerError on failure.
template <Game G>
class Player {
public:
    virtual ~Player() = default;
    // debug_interface is null when the driver offers no debug facilities.
    virtual ActionOf<G> get_action(const PlayerViewOf<G>& view, DebugInterfaceOf<G>* debug_interface) = 0;
    // How the processor asks: with the state and the player's index, so that
    // a player that never needs the built view can go without it. By default
    // the view is built and get_action answers.
    virtual ActionOf<G> get_action_from_state(const G& state, std::size_t player_index,
                                              DebugInterfaceOf<G>* debug_interface) {
        return get_action(GameTraits<G>::player_view(state, player_index), debug_interface);
    }
    virtual void debug_update(const PlayerViewOf<G>& view, DebugInterfaceOf<G>& debug_interface) = 0;
    // None for a player that never waits on anything outside the program.
    virtual Interrupt interrupter() { return nullptr; }
};

}  // namespace tarnwick::player
