#pragma once
// Every player index 0..3 sees the map rotated about its centre so that its
// own start lies near (0, 0). Positions a player sends are turned into the
// game frame; positions it receives are turned into its own frame.
#include <algorithm>

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

// Stops the program: `player_index` has no frame.
[[noreturn]] void no_frame(usize player_index);

enum class FrameDirection {
    ToGame,
    ToPlayer,
};

// Converts the corner of a square of side `size` between player
// `player_index`'s frame and the game frame of a map of side `map_size`.
// Index 0 is the game frame, 1 the half turn, 2 and 3 the quarter turns; the
// two directions are inverse to each other. An index above 3 is a caller's
// fault and stops the program.
// Inline: every view converts each of its thousands of entities.
inline kimbly::Vec2Usize convert_position(usize player_index, kimbly::Vec2Usize position, usize size, usize map_size,
                                          FrameDirection direction) {
    // Unsigned arithmetic on purpose: a position past the far edge wraps and
    // is then caught by the cap below instead of turning negative.
    const usize x = position.x;
    const usize y = position.y;
    const usize m = map_size;
    const bool to_game = direction == FrameDirection::ToGame;
    kimbly::Vec2Usize result;
    switch (player_index) {
        case 0:
            result = {x, y};
            break;
        case 1:
            result = {m - x - size, m - y - size};
            break;
        case 2:
            result = to_game ? kimbly::Vec2Usize{m - y - size, x} : kimbly::Vec2Usize{y, m - x - size};
            break;
        case 3:
            result = to_game ? kimbly::Vec2Usize{y, m - x - size} : kimbly::Vec2Usize{m - y - size, x};
            break;
        default:
            no_frame(player_index);
    }
    result.x = std::min(result.x, MAX_CONVERTED_COORDINATE);
    result.y = std::min(result.y, MAX_CONVERTED_COORDINATE);
    return result;
}

// Converts a player's orders in place into the game frame: move targets as
// single cells, build positions with the size of the kind being built. Ids and
// every other part stay as they are.
void convert_action(const Model& model, Action& action, usize player_index);

}  // namespace velmora::model
