#pragma once
// What the game renderer keeps between frames apart from its drawers: the
// camera and its controls, the player filter, the player names, the size
// last drawn at and the shared preferences, which it keeps up to date with
// the camera and the chosen view. Main thread only.
#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <kimbly/autosave.hpp>
#include <kimbly/events.hpp>
#include <kimbly/vec2.hpp>

#include "velmora/camera.hpp"
#include "velmora/model/debug.hpp"
#include "velmora/model/model.hpp"
#include "velmora/renderer/camera_controls.hpp"
#include "velmora/renderer/preferences.hpp"
#include "velmora/renderer/renderer_camera.hpp"
#include "velmora/renderer/renderer_debug_state.hpp"

namespace velmora::renderer {

// The autosaved preferences, shared with the screens.
using PreferencesHandle = std::shared_ptr<kimbly::autosave::AutoSave<Preferences>>;

class RendererState {
public:
    // The camera starts as the one the preferences hold, if any.
    RendererState(PreferencesHandle preferences, std::vector<std::string> player_names,
                  CameraControls::KeyPressed is_key_pressed);

    // Stores the camera, even an absent one, into the preferences every few
    // seconds.
    void update(double elapsed);
    // The camera controls first, once there is a camera; what they leave,
    // the keys of renderer_keys.
    void handle_event(const kimbly::events::Event& event);

    // At the start of a draw: records the size, and gives the camera to draw
    // with, looking at the middle of the shown map if there was none yet.
    camera::Camera begin_draw(const model::Model& game, kimbly::Vec2Usize framebuffer_size);
    // At the end of a draw: the camera controls take the size for the events
    // to come.
    void end_draw(kimbly::Vec2Usize framebuffer_size);

    // Writes the preferences file first if they changed.
    RendererMode mode() const;
    model::DebugState debug_state(const model::Model& game, std::size_t player_index, const HeldInput& input) const;

    const std::optional<std::size_t>& player_filter() const { return player_filter_; }
    const std::optional<camera::Camera>& camera() const { return camera_; }
    const std::vector<std::string>& player_names() const { return player_names_; }
    kimbly::Vec2Usize framebuffer_size() const { return framebuffer_size_; }

private:
    kimbly::Vec2Usize framebuffer_size_{1, 1};
    std::optional<std::size_t> player_filter_;
    CameraControls camera_controls_;
    std::vector<std::string> player_names_;
    PreferencesHandle preferences_;
    CameraSaveTimer camera_save_timer_;
    std::optional<camera::Camera> camera_;
};

}  // namespace velmora::renderer
