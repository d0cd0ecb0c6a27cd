#pragma once
// Pieces that several models are built from.
#include <vector>

#include "mesh.hpp"

namespace asset_gen::parts {

// A rectangle of half sizes `half` with its corners cut by `chamfer`.
std::vector<V2> chamfered(V2 half, float chamfer, V2 centre = {});
// A round bar along z from `from` to `to` at (x, y), `sides` sides.
Mesh tube_z(V2 at, float from, float to, float radius, int sides, int side, int cap);
// A cone along z from a base of `radius` at `from` to a point at `to`.
Mesh cone_z(V2 at, float from, float to, float radius, int sides, int swatch);
// A flat plate between heights y0 and y1 whose outline (convex, in x and
// z) is given as (x, z) points; the top and bottom in `face`, the rim in `rim`.
Mesh slab(const std::vector<V2>& outline_xz, float y0, float y1, int face, int rim);
// A standing round column from y0 to y1 around (x, z).
Mesh pillar(V2 at_xz, float y0, float y1, float radius, int sides, int side, int cap);
// A glowing exhaust ribbon pair (flat and upright) behind an engine at
// (x, y, z), reaching back to `end`, textured along its length.
Mesh exhaust(V3 engine, float end, float width);

}  // namespace asset_gen::parts
