#include "velmora/keyboard_player_geometry.hpp"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>

#include <kimbly/num.hpp>
#include <kimbly/panic.hpp>

#include "velmora/model/frames.hpp"

namespace velmora::keyboard_player {

using kimbly::Vec2F32;
using kimbly::Vec2Usize;

Vec2F32 to_player_frame(Vec2F32 world, usize map_size, usize player_index) {
    const auto m = static_cast<float>(map_size);
    switch (player_index) {
        case 0:
            return world;
        case 1:
            return {m - world.x, m - world.y};
        case 2:
            return {world.y, m - world.x};
        case 3:
            return {m - world.y, world.x};
        default:
            kimbly::panic("player index " + std::to_string(player_index) + " has no coordinate frame");
    }
}

Outline square_outline(Vec2F32 corner, float size) {
    float x = corner.x;
    float y = corner.y;
    return {Vec2F32{x, y}, Vec2F32{x + size, y}, Vec2F32{x + size, y + size}, Vec2F32{x, y + size}, Vec2F32{x, y}};
}

Outline entity_outline(const model::Entity& entity, const model::EntityPropertiesTable& properties) {
    auto size = static_cast<float>(properties.at(entity.entity_type).size);
    return square_outline({static_cast<float>(entity.position.x), static_cast<float>(entity.position.y)}, size);
}

namespace {

// Positive when q lies to the right of the edge from a to b.
float side(Vec2F32 a, Vec2F32 b, Vec2F32 q) { return (q.x - a.x) * (b.y - a.y) - (q.y - a.y) * (b.x - a.x); }

// The largest, over the edges of `edges`, of how far all of `points` lie
// outside that edge (capped at 1); positive means the edge separates them.
float separation(std::span<const Vec2F32> edges, std::span<const Vec2F32> points, float result) {
    for (std::size_t i = 0; i + 1 < edges.size(); ++i) {
        float m = 1.0f;
        for (Vec2F32 q : points) m = std::min(m, side(edges[i], edges[i + 1], q));
        result = std::max(result, m);
    }
    return result;
}

}  // namespace

bool overlap(std::span<const Vec2F32> a, std::span<const Vec2F32> b) {
    float r = separation(a, b, -1.0f);
    r = separation(b, a, r);
    return r <= 0.0f;
}

Outline selection_quad(const model::DebugState& state, std::optional<Vec2F32> drag_start, usize map_size) {
    Vec2F32 c = state.mouse_pos_window;
    Vec2F32 st = drag_start.value_or(c);
    Vec2F32 d = c - st;
    const Outline window{st, st + Vec2F32{d.x, 0.0f}, st + d, st + Vec2F32{0.0f, d.y}, st};
    Outline w;
    for (std::size_t i = 0; i < w.size(); ++i) {
        Vec2F32 ground = state.camera.screen_to_world(state.window_size, window[i]);
        w[i] = to_player_frame(ground, map_size, state.player_index);
    }
    float turn = (w[1].x - w[0].x) * (w[2].y - w[1].y) - (w[1].y - w[0].y) * (w[2].x - w[1].x);
    if (turn < 0.0f) return {w[0], w[3], w[2], w[1], w[0]};
    return w;
}

std::optional<Vec2Usize> cursor_cell(Vec2F32 mouse_pos_world, usize map_size) {
    const Vec2F32 p = mouse_pos_world;
    if (std::isnan(p.x) || std::isnan(p.y) || p.x < 0.0f || p.y < 0.0f) return std::nullopt;
    Vec2Usize cell{kimbly::num::saturating_cast<usize>(p.x), kimbly::num::saturating_cast<usize>(p.y)};
    if (cell.x >= map_size || cell.y >= map_size) return std::nullopt;
    return cell;
}

std::optional<Vec2Usize> placement_corner(Vec2Usize cell, usize size, usize map_size, usize player_index) {
    using model::FrameDirection;
    Vec2Usize game = model::convert_position(player_index, cell, 1, map_size, FrameDirection::ToGame);
    const auto half = static_cast<std::int64_t>(size / 2);
    const auto x = static_cast<std::int64_t>(game.x) - half;
    const auto y = static_cast<std::int64_t>(game.y) - half;
    const auto m = static_cast<std::int64_t>(map_size);
    const auto s = static_cast<std::int64_t>(size);
    if (x < 0 || y < 0 || x + s > m || y + s > m) return std::nullopt;
    Vec2Usize corner{static_cast<usize>(x), static_cast<usize>(y)};
    return model::convert_position(player_index, corner, size, map_size, FrameDirection::ToPlayer);
}

}  // namespace velmora::keyboard_player
