#pragma once
// How the framework's screens draw a game they know nothing about: the game's
// renderer behind one interface, driven once per frame by the game screen.
// Header only and free of the window's libraries, so that headless code may
// name it; only the drawing side implements it.
#include <cstddef>

#include <kimbly/events.hpp>

#include "tarnwick/app/history/history.hpp"
#include "tarnwick/game.hpp"

namespace ovra {
class Framebuffer;
}

namespace tarnwick {

// `R` is the per-tick data the tick history keeps beside every state for
// this renderer.
template <Game G, class R>
class Renderer {
public:
    using RendererData = R;
    using CurrentState = app::history::CurrentState<G, R, DebugDataOf<G>, EventOf<G>>;

    virtual ~Renderer() = default;

    // Ticks per second of playback at the neutral speed setting.
    virtual double default_speed() const = 0;
    // Seconds since the last update.
    virtual void update(double dt) = 0;
    virtual void draw(CurrentState state, ovra::Framebuffer& framebuffer) = 0;
    virtual void handle_event(const kimbly::events::Event& event) = 0;
    // What the player of `player_index` receives when it asks for its debug state.
    virtual DebugStateOf<G> debug_state(const G& game, std::size_t player_index) const = 0;
    // Each event of the ticks that playback has just passed over, one at a time.
    virtual void handle_game_event(const EventOf<G>& event) = 0;
};

}  // namespace tarnwick
