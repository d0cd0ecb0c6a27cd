#include "velmora/renderer/debug_frame.hpp"

#include <kimbly/panic.hpp>

namespace velmora::renderer {

namespace {

// The history holds debug data of at most four players, so another index is
// a broken invariant.
[[noreturn]] void no_frame() { kimbly::panic("internal error: entered unreachable code"); }

}  // namespace

kimbly::Vec2F32 to_player_frame(std::size_t player_index, float map_size, kimbly::Vec2F32 point) {
    const float s = map_size;
    switch (player_index) {
        case 0: return point;
        case 1: return {s - point.x, s - point.y};
        case 2: return {point.y, s - point.x};
        case 3: return {s - point.y, point.x};
        default: no_frame();
    }
}

kimbly::Vec2F32 to_game_frame(std::size_t player_index, float map_size, kimbly::Vec2F32 point) {
    const float s = map_size;
    switch (player_index) {
        case 0: return point;
        case 1: return {s - point.x, s - point.y};
        case 2: return {s - point.y, point.x};
        case 3: return {point.y, s - point.x};
        default: no_frame();
    }
}

}  // namespace velmora::renderer
