#pragma once
// The keyboard player's geometry: where the cursor and a drag are in the
// player's frame, and which entities a drag or a click touches.
#include <array>
#include <optional>
#include <span>

#include <kimbly/vec2.hpp>

#include "velmora/model/debug.hpp"
#include "velmora/model/entity.hpp"
#include "velmora/model/entity_properties.hpp"

namespace velmora::keyboard_player {

using model::usize;

// A closed outline: the first point repeated at the end, four edges.
using Outline = std::array<kimbly::Vec2F32, 5>;

// A ground point as the camera gives it, turned into player `player_index`'s
// frame of a map of side `map_size`: the cell conversion with size 0, in
// floats and without a cap. An index above 3 has no frame and stops the
// program.
kimbly::Vec2F32 to_player_frame(kimbly::Vec2F32 world, usize map_size, usize player_index);

// The square with corner `corner` and side `size`, counter-clockwise when y
// grows upwards.
Outline square_outline(kimbly::Vec2F32 corner, float size);
Outline entity_outline(const model::Entity& entity, const model::EntityPropertiesTable& properties);

// Whether two convex polygons, both counter-clockwise, share a point;
// touching counts. A polygon shrunk to one point overlaps a square exactly
// when the point lies inside it or on its border.
bool overlap(std::span<const kimbly::Vec2F32> a, std::span<const kimbly::Vec2F32> b);

// The window rectangle from `drag_start` (the cursor itself when absent) to
// the cursor, projected onto the ground and turned into the player's frame,
// counter-clockwise.
Outline selection_quad(const model::DebugState& state, std::optional<kimbly::Vec2F32> drag_start, usize map_size);

// The cell under the cursor, if the cursor is over the map. A coordinate that
// is negative or not a number means there is none.
std::optional<kimbly::Vec2Usize> cursor_cell(kimbly::Vec2F32 mouse_pos_world, usize map_size);

// The corner of a building of side `size` centred on `cell` as seen in the
// game frame, or nothing when it would stick out of the map.
std::optional<kimbly::Vec2Usize> placement_corner(kimbly::Vec2Usize cell, usize size, usize map_size,
                                                  usize player_index);

}  // namespace velmora::keyboard_player
