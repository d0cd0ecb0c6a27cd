#pragma once
// The fixed colour of each player seat, shared by both views, the HUD and
// the textures chosen for models.
#include <cstddef>

#include <kimbly/color.hpp>

namespace velmora::renderer {

// Seats 0 to 3. A higher index stops the program: loading refuses matches of
// more than four players, so it can only come from a broken invariant.
kimbly::ColorF32 player_color(std::size_t player_index);

}  // namespace velmora::renderer
