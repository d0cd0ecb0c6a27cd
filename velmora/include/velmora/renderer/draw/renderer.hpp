#pragma once
// The game's renderer: one of the two views of the shown tick, the band of
// player lines at the top, and the players' debug drawing over both, seen
// through a camera the user moves. Built once the assets are loaded; the
// game screen drives it every frame, and the configuration screen keeps it
// across matches. Main thread only.
#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include <tarnwick/renderer.hpp>
#include <vindle/context.hpp>

#include "velmora/renderer/game_history.hpp"
#include "velmora/renderer/draw/assets.hpp"
#include "velmora/renderer/draw/debug.hpp"
#include "velmora/renderer/draw/schematic_renderer.hpp"
#include "velmora/renderer/draw/space_renderer.hpp"
#include "velmora/renderer/renderer_state.hpp"

namespace velmora::renderer {

class Renderer final : public tarnwick::Renderer<Game, RendererData> {
public:
    // Ticks per second at the neutral speed setting.
    static constexpr double DEFAULT_SPEED = 2;

    // `player_names` may be shorter than the number of players, or empty.
    Renderer(std::shared_ptr<vindle::Vindle> engine, PreferencesHandle preferences,
             std::vector<std::string> player_names, Assets assets);

    double default_speed() const override { return DEFAULT_SPEED; }
    void update(double dt) override { state_.update(dt); }
    // The view the preferences choose, the player lines, then the debug data.
    void draw(CurrentState state, ovra::Framebuffer& framebuffer) override;
    void handle_event(const kimbly::events::Event& event) override { state_.handle_event(event); }
    model::DebugState debug_state(const Game& game, std::size_t player_index) const override;
    void handle_game_event(const model::Event&) override {}

    const RendererState& state() const { return state_; }

private:
    std::shared_ptr<vindle::Vindle> engine_;
    space::Renderer space_;
    schematic::Renderer schematic_;
    debug::Renderer debug_;
    RendererState state_;
};

}  // namespace velmora::renderer
