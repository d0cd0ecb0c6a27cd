#pragma once
// The field of stars far below the board.
#include <vector>

#include <kimbly/rng.hpp>

#include "velmora/renderer/view_shapes.hpp"

namespace velmora::renderer::space {

inline constexpr std::size_t STAR_COUNT = 1000;

// STAR_COUNT white stars scattered over x and y in [-256, 512) and z in
// [-100, -50), three draws each in that order.
std::vector<Billboard> star_field(kimbly::rng::Rng& rng);

}  // namespace velmora::renderer::space
