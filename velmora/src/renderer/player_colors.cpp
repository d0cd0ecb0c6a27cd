#include "velmora/renderer/player_colors.hpp"

#include <array>
#include <string>

#include <kimbly/panic.hpp>

namespace velmora::renderer {

kimbly::ColorF32 player_color(std::size_t player_index) {
    constexpr std::array<kimbly::ColorF32, 4> COLORS = {{
        {0.0f, 0.0f, 1.0f, 1.0f},
        {0.0f, 0.8f, 0.0f, 1.0f},
        {1.0f, 0.0f, 0.0f, 1.0f},
        {0.8f, 0.5f, 0.0f, 1.0f},
    }};
    if (player_index >= COLORS.size()) {
        kimbly::panic("Player index " + std::to_string(player_index) +
                      " has no colour: a match has at most 4 players");
    }
    return COLORS[player_index];
}

}  // namespace velmora::renderer
