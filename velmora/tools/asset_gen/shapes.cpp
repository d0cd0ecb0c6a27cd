#include "shapes.hpp"

#include <algorithm>
#include <cmath>

namespace asset_gen::shapes {

bool in_circle(V2 p, V2 centre, float radius) {
    float dx = p.x - centre.x, dy = p.y - centre.y;
    return dx * dx + dy * dy <= radius * radius;
}

bool in_capsule(V2 p, V2 a, V2 b, float radius) {
    float bx = b.x - a.x, by = b.y - a.y;
    float t = std::clamp(((p.x - a.x) * bx + (p.y - a.y) * by) / (bx * bx + by * by), 0.0f, 1.0f);
    return in_circle(p, {a.x + bx * t, a.y + by * t}, radius);
}

bool in_box(V2 p, V2 centre, V2 half, float angle) {
    float c = std::cos(angle), s = std::sin(angle);
    float dx = p.x - centre.x, dy = p.y - centre.y;
    float u = dx * c + dy * s;
    float v = -dx * s + dy * c;
    return std::abs(u) <= half.x && std::abs(v) <= half.y;
}

bool in_polygon(V2 p, const std::vector<V2>& corners) {
    bool inside = false;
    for (std::size_t i = 0, j = corners.size() - 1; i < corners.size(); j = i++) {
        V2 a = corners[i], b = corners[j];
        if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x) inside = !inside;
    }
    return inside;
}

}  // namespace asset_gen::shapes
