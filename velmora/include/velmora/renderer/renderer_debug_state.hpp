#pragma once
// What a player program receives when it asks for its debug state: the
// window, the cursor on screen and on the ground in the player's own frame,
// the keys and buttons held, and the camera.
#include <cstddef>
#include <optional>
#include <vector>

#include <kimbly/events.hpp>
#include <kimbly/vec2.hpp>

#include "velmora/camera.hpp"
#include "velmora/model/debug.hpp"
#include "velmora/model/model.hpp"

namespace velmora::renderer {

// The window's input as it stands, each group in the window's own order.
struct HeldInput {
    kimbly::events::Position cursor;
    std::vector<kimbly::events::Key> keys;
    std::vector<kimbly::events::MouseButton> buttons;
};

// The keys by name, then the buttons as "Mouse" + name.
std::vector<std::string> held_input_names(const HeldInput& input);

// Without a camera yet, the camera default (centre (0, 0), distance 32) is
// reported and used. A player index above 3 stops the program.
model::DebugState debug_state(const model::Model& game, std::size_t player_index,
                              kimbly::Vec2Usize framebuffer_size, const std::optional<camera::Camera>& camera,
                              const HeldInput& input);

}  // namespace velmora::renderer
