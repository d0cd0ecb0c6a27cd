#include "velmora/renderer/draw/renderer.hpp"

#include <utility>

#include "velmora/renderer/draw/hud.hpp"
#include "velmora/renderer/hud.hpp"

namespace velmora::renderer {

namespace {

HeldInput held_input(const vindle::window::Window& window) {
    const auto keys = window.pressed_keys();
    const auto buttons = window.pressed_buttons();
    return {window.mouse_pos(), {keys.begin(), keys.end()}, {buttons.begin(), buttons.end()}};
}

}  // namespace

Renderer::Renderer(std::shared_ptr<vindle::Vindle> engine, PreferencesHandle preferences,
                   std::vector<std::string> player_names, Assets assets)
    : engine_(engine),
      space_(engine, std::move(assets.space)),
      schematic_(engine, std::move(assets.schematic)),
      debug_(engine),
      state_(std::move(preferences), std::move(player_names),
             [engine](kimbly::events::Key key) { return engine->window().is_key_pressed(key); }) {}

void Renderer::draw(CurrentState state, ovra::Framebuffer& framebuffer) {
    const auto size = framebuffer.size();
    const DrawArgs args{state_.player_filter(), framebuffer, state_.begin_draw(state.game, size), state};
    if (state_.mode() == RendererMode::Space) {
        space_.draw(args);
    } else {
        schematic_.draw(args);
    }
    hud::draw(*engine_, framebuffer, hud::layout(state.game, state_.player_names(), size));
    debug_.draw(args);
    state_.end_draw(size);
}

model::DebugState Renderer::debug_state(const Game& game, std::size_t player_index) const {
    return state_.debug_state(game, player_index, held_input(engine_->window()));
}

}  // namespace velmora::renderer
