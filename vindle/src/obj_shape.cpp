#include <cmath>

#include <kimbly/panic.hpp>

#include "vindle/obj.hpp"

namespace vindle::obj {

namespace {

kimbly::Vec3 minus(kimbly::Vec3 a, kimbly::Vec3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }

kimbly::Vec3 cross(kimbly::Vec3 a, kimbly::Vec3 b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

// The triangle's unit normal; zero for a triangle without area (or with
// coordinates that aren't finite), whose normal would be NaN and spread
// through the lighting.
kimbly::Vec3 unit_normal(kimbly::Vec3 p0, kimbly::Vec3 p1, kimbly::Vec3 p2) {
    kimbly::Vec3 n = cross(minus(p1, p0), minus(p2, p0));
    float length = std::sqrt(n.x * n.x + n.y * n.y + n.z * n.z);
    if (!(length > 0.0f) || !std::isfinite(length)) return {};
    return {n.x / length, n.y / length, n.z / length};
}

}  // namespace

void recalculate_normals(Mesh& mesh) {
    if (mesh.size() % 3 != 0) kimbly::panic("mesh length is not a multiple of 3");
    for (std::size_t i = 0; i < mesh.size(); i += 3) {
        kimbly::Vec3 n = unit_normal(mesh[i].a_v, mesh[i + 1].a_v, mesh[i + 2].a_v);
        for (std::size_t k = i; k < i + 3; ++k) mesh[k].a_vn = n;
    }
}

void Unitizer::measure(const Mesh& mesh) {
    // fmin and fmax keep the number when one side is NaN.
    for (const Vertex& vertex : mesh) {
        min_x_ = std::fmin(min_x_, vertex.a_v.x);
        max_x_ = std::fmax(max_x_, vertex.a_v.x);
        min_y_ = std::fmin(min_y_, vertex.a_v.y);
        max_y_ = std::fmax(max_y_, vertex.a_v.y);
    }
}

void Unitizer::rescale(Mesh& mesh) const {
    float centre_x = (min_x_ + max_x_) / 2.0f;
    float centre_y = (min_y_ + max_y_) / 2.0f;
    float half = std::fmax(max_x_ - min_x_, max_y_ - min_y_) / 2.0f;
    // Meshes that all sit on one x and one y have no extent to scale by;
    // they are only centred, instead of turning into infinities.
    if (!(half > 0.0f) || !std::isfinite(half)) half = 1.0f;
    for (Vertex& vertex : mesh) {
        vertex.a_v.x = (vertex.a_v.x - centre_x) / half;
        vertex.a_v.y = (vertex.a_v.y - centre_y) / half;
        vertex.a_v.z = vertex.a_v.z / half;
    }
}

}  // namespace vindle::obj
