#include "velmora/renderer/renderer_debug_state.hpp"

#include <string>

#include "velmora/renderer/debug_frame.hpp"

namespace velmora::renderer {

std::vector<std::string> held_input_names(const HeldInput& input) {
    std::vector<std::string> names;
    for (auto key : input.keys) names.emplace_back(kimbly::events::key_name(key));
    for (auto button : input.buttons) names.push_back("Mouse" + std::string(kimbly::events::mouse_button_name(button)));
    return names;
}

model::DebugState debug_state(const model::Model& game, std::size_t player_index,
                              kimbly::Vec2Usize framebuffer_size, const std::optional<camera::Camera>& camera,
                              const HeldInput& input) {
    const camera::Camera seen = camera.value_or(camera::Camera{});
    const kimbly::Vec2F32 cursor{float(input.cursor.x), float(input.cursor.y)};
    const auto ground = seen.screen_to_world(framebuffer_size, cursor);
    return model::DebugState{
        framebuffer_size,
        cursor,
        to_player_frame(player_index, float(game.map_size), ground),
        held_input_names(input),
        seen,
        player_index,
    };
}

}  // namespace velmora::renderer
