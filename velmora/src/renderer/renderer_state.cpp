#include "velmora/renderer/renderer_state.hpp"

#include <utility>

#include <pakko/overloaded.hpp>

#include "velmora/renderer/renderer_keys.hpp"

namespace velmora::renderer {

RendererState::RendererState(PreferencesHandle preferences, std::vector<std::string> player_names,
                             CameraControls::KeyPressed is_key_pressed)
    : camera_controls_(std::move(is_key_pressed)),
      player_names_(std::move(player_names)),
      preferences_(std::move(preferences)),
      camera_(preferences_->read().renderer.camera) {}

void RendererState::update(double elapsed) {
    if (camera_save_timer_.update(elapsed)) preferences_->write().renderer.camera = camera_;
}

void RendererState::handle_event(const kimbly::events::Event& event) {
    if (camera_ && camera_controls_.handle_event(event, *camera_)) return;
    const auto* key_down = std::get_if<kimbly::events::KeyDown>(&event);
    if (key_down == nullptr) return;
    const auto action = key_action(key_down->key);
    if (!action) return;
    std::visit(pakko::Overloaded{
                   [&](const SetPlayerFilter& filter) { player_filter_ = filter.player_index; },
                   [&](const ToggleMode&) {
                       auto& mode = preferences_->write().renderer.mode;
                       mode = toggled(mode);
                   },
               },
               *action);
}

camera::Camera RendererState::begin_draw(const model::Model& game, kimbly::Vec2Usize framebuffer_size) {
    if (!camera_) camera_ = default_camera_for_map(game.map_size);
    framebuffer_size_ = framebuffer_size;
    return *camera_;
}

void RendererState::end_draw(kimbly::Vec2Usize framebuffer_size) { camera_controls_.set_framebuffer_size(framebuffer_size); }

RendererMode RendererState::mode() const { return preferences_->read().renderer.mode; }

model::DebugState RendererState::debug_state(const model::Model& game, std::size_t player_index,
                                             const HeldInput& input) const {
    return renderer::debug_state(game, player_index, framebuffer_size_, camera_, input);
}

}  // namespace velmora::renderer
