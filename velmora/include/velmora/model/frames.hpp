#pragma once
// Every player index 0..3 sees the map rotated about its centre so that its
// own start lies near (0, 0). Positions a player sends are turned into the
// game frame; positions it receives are turned into its own frame.
#include <kimbly/vec2.hpp>

#include "velmora/model/action.hpp"
#include "velmora/model/entity.hpp"

namespace velmora::model {

struct Model;

// Player indices that have a frame: the game supports at most four players.
inline constexpr usize FRAME_COUNT = 4;

// A converted coordinate never exceeds this; one that wrapped below zero
// (a position outside the map) ends here too.
inline constexpr usize MAX_CONVERTED_COORDINATE = 100500;

enum class FrameDirection {
    ToGame,
    ToPlayer,
};

// Converts the corner of a square of side `size` between player
// `player_index`'s frame and the game frame of a map of side `map_size`.
// Index 0 is the game frame, 1 the half turn, 2 and 3 the quarter turns; the
// two directions are inverse to each other. An index above 3 is a caller's
// fault and stops the program.
kimbly::Vec2Usize convert_position(usize player_index, kimbly::Vec2Usize position, usize size, usize map_size,
                                   FrameDirection direction);

// Converts a player's orders in place into the game frame: move targets as
// single cells, build positions with the size of the kind being built. Ids and
// every other part stay as they are.
void convert_action(const Model& model, Action& action, usize player_index);

}  // namespace velmora::model
