#pragma once
// Triangle meshes authored in the files' own axes: y up, x to the right,
// noses and barrels along +z. Every triangle winds counter-clockwise seen
// from outside and takes its colour from one swatch of the model texture.
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace asset_gen {

struct V3 {
    float x = 0, y = 0, z = 0;
};
V3 operator+(V3 a, V3 b);
V3 operator-(V3 a, V3 b);
V3 operator*(V3 a, float s);
V3 cross(V3 a, V3 b);
float dot(V3 a, V3 b);

struct V2 {
    float x = 0, y = 0;
};

struct Triangle {
    V3 a, b, c;
    int swatch = 0;
    // Texture coordinates of the corners, for faces that show a picture
    // rather than one swatch.
    std::optional<std::array<V2, 3>> uv;
};

using Mesh = std::vector<Triangle>;

// A cross-section of a loft: a convex outline at one depth.
struct Ring {
    float at = 0;
    std::vector<V2> outline;
};

// A solid along z through the rings (in increasing `at`, outlines of equal
// length in the x-y plane), closed at both ends: sides in `side`, ends in
// `cap`. Faces turn outwards whatever the outlines' direction.
Mesh loft(const std::vector<Ring>& rings, int side, int cap);

// A regular polygon of `sides` corners of radius `radius` around (cx, cy),
// the first corner at `phase` radians; an ellipse with two radii.
std::vector<V2> polygon(int sides, float radius, float phase = 0, V2 centre = {});
std::vector<V2> ellipse(int sides, V2 radii, float phase = 0, V2 centre = {});
// The rectangle from -half to half.
std::vector<V2> rectangle(V2 half);

// Lofts standing up: the rings' `at` is the height y, their outlines lie in
// the x-z plane (outline y is z).
Mesh column(const std::vector<Ring>& rings, int side, int cap);
// An axis-aligned box between two corners.
Mesh box(V3 low, V3 high, int side, int cap);
Mesh box(V3 low, V3 high, int swatch);
// A closed surface from a grid of points point(i, j), i in 0..nu, j in
// 0..nv; each face turns away from inside(its centre), a point within the
// solid near it.
Mesh surface(int nu, int nv, const std::function<V3(int, int)>& point, const std::function<V3(V3)>& inside,
             int swatch);
// A ring tube of radius `tube` around the y axis at radius `radius`.
Mesh torus(float radius, float tube, int segments, int sides, int swatch);
// A sphere of `radius`, squashed by `scale` per axis.
Mesh sphere(float radius, int segments, int stacks, int swatch, V3 scale = {1, 1, 1});
// Both faces of a flat quad a-b-c-d.
Mesh two_sided_quad(V3 a, V3 b, V3 c, V3 d, int swatch);

Mesh translate(Mesh mesh, V3 by);
Mesh scale(Mesh mesh, V3 by);
// Turns about an axis through the origin, counter-clockwise looking from
// the axis' positive end.
Mesh rotate_x(Mesh mesh, float angle);
Mesh rotate_y(Mesh mesh, float angle);
Mesh rotate_z(Mesh mesh, float angle);
// Mirrored across x = 0, keeping the winding outward.
Mesh mirror_x(Mesh mesh);
// The mesh and its mirror image.
Mesh symmetric_x(Mesh mesh);
Mesh join(std::vector<Mesh> meshes);
// The swatch of every triangle replaced.
Mesh recolour(Mesh mesh, int swatch);

// Named objects of one OBJ file, in the order written.
struct Model {
    std::vector<std::pair<std::string, Mesh>> objects;
    void add(std::string name, Mesh mesh) { objects.emplace_back(std::move(name), std::move(mesh)); }
};

// The OBJ text: one texture coordinate per swatch (the middle of the swatch
// in a grid of `swatches_across` squared) and one normal, then for each
// object its positions, its own texture coordinates and its faces with all
// three indices. Normals are computed again
// by the loader; the one written is only there to complete the faces.
std::string obj_text(const Model& model, int swatches_across);

}  // namespace asset_gen
