#pragma once
// Fog of war as both views show it: which player's sight counts, the dark
// squares of the schematic view and the texels of the space view's fog
// texture.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "velmora/model/model.hpp"
#include "velmora/model/sight.hpp"
#include "velmora/renderer/view_shapes.hpp"

namespace velmora::renderer::fog {

inline constexpr kimbly::ColorF32 FOG_COLOR{0.0f, 0.0f, 0.0f, 0.5f};

// The first player, in collection order, whose index is the filter's; none
// for no filter or when nobody has that index, so that all sight counts.
const model::Player* seeing_player(const model::Model& state, std::optional<std::size_t> player_filter);

// The sight that the filter selects.
model::SightGrid visible_cells(const model::Model& state, std::optional<std::size_t> player_filter);

// One square per unseen cell, x outer and y inner.
std::vector<Square> fog_squares(const model::SightGrid& sight);

// (S + 2) × (S + 2) RGBA texels, row j (cells' y + 1) outer: white, opaque on
// the border ring and over unseen cells, transparent over seen ones, so that
// texel (i, j) stands for cell (i - 1, j - 1).
std::vector<std::uint8_t> fog_texels(const model::SightGrid& sight);

}  // namespace velmora::renderer::fog
