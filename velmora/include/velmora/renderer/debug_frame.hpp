#pragma once
// Player programs work in their own frame: the map turned about its centre
// so that their start lies near (0, 0). Points on the ground plane go
// between that frame and the game frame here, as floats; the turns agree
// with the player views of the model, and the two directions are inverse to
// each other.
#include <cstddef>

#include <kimbly/vec2.hpp>

namespace velmora::renderer {

// Player indices 0 to 3; any other stops the program.
kimbly::Vec2F32 to_player_frame(std::size_t player_index, float map_size, kimbly::Vec2F32 point);
kimbly::Vec2F32 to_game_frame(std::size_t player_index, float map_size, kimbly::Vec2F32 point);

}  // namespace velmora::renderer
