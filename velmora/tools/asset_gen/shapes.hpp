#pragma once
// Inside tests of flat shapes, in picture coordinates from -1 to 1 (y up),
// for drawing icons as unions and differences of simple pieces.
#include <vector>

#include "mesh.hpp"

namespace asset_gen::shapes {

bool in_circle(V2 p, V2 centre, float radius);
// Within `radius` of the segment a-b.
bool in_capsule(V2 p, V2 a, V2 b, float radius);
// The rectangle of half sizes `half` around `centre`, turned by `angle`.
bool in_box(V2 p, V2 centre, V2 half, float angle = 0);
// Inside a simple polygon, by the even-odd rule.
bool in_polygon(V2 p, const std::vector<V2>& corners);

}  // namespace asset_gen::shapes
