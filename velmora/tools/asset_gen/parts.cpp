#include "parts.hpp"

namespace asset_gen::parts {

std::vector<V2> chamfered(V2 half, float chamfer, V2 centre) {
    float x = half.x, y = half.y, c = chamfer;
    std::vector<V2> points{{-x + c, -y}, {x - c, -y}, {x, -y + c}, {x, y - c}, {x - c, y}, {-x + c, y}, {-x, y - c}, {-x, -y + c}};
    for (V2& p : points) {
        p.x += centre.x;
        p.y += centre.y;
    }
    return points;
}

Mesh tube_z(V2 at, float from, float to, float radius, int sides, int side, int cap) {
    auto outline = polygon(sides, radius, 0, at);
    return loft({{from, outline}, {to, outline}}, side, cap);
}

Mesh cone_z(V2 at, float from, float to, float radius, int sides, int swatch) {
    return loft({{from, polygon(sides, radius, 0, at)}, {to, polygon(sides, 0.0f, 0, at)}}, swatch, swatch);
}

Mesh slab(const std::vector<V2>& outline_xz, float y0, float y1, int face, int rim) {
    // column() lays an outline's y along -z.
    std::vector<V2> outline;
    for (V2 p : outline_xz) outline.push_back({p.x, -p.y});
    return column({{y0, outline}, {y1, outline}}, rim, face);
}

Mesh pillar(V2 at_xz, float y0, float y1, float radius, int sides, int side, int cap) {
    auto outline = polygon(sides, radius, 0, {at_xz.x, -at_xz.y});
    return column({{y0, outline}, {y1, outline}}, side, cap);
}

Mesh exhaust(V3 engine, float end, float width) {
    auto ribbon = [&](V3 across) {
        V3 a = engine - across * 0.5f;
        V3 b = engine + across * 0.5f;
        V3 far{engine.x, engine.y, end};
        V3 c = far + across * 0.15f;
        V3 d = far - across * 0.15f;
        // u runs from the engine (0) to the far end (1).
        std::array<V2, 4> uv{{{0, 0}, {0, 1}, {1, 0.65f}, {1, 0.35f}}};
        Mesh mesh;
        for (bool front : {true, false}) {
            Triangle t1{a, b, c, 0, std::array<V2, 3>{uv[0], uv[1], uv[2]}};
            Triangle t2{a, c, d, 0, std::array<V2, 3>{uv[0], uv[2], uv[3]}};
            if (!front) {
                std::swap(t1.b, t1.c);
                std::swap((*t1.uv)[1], (*t1.uv)[2]);
                std::swap(t2.b, t2.c);
                std::swap((*t2.uv)[1], (*t2.uv)[2]);
            }
            mesh.push_back(t1);
            mesh.push_back(t2);
        }
        return mesh;
    };
    return join({ribbon({width, 0, 0}), ribbon({0, width, 0})});
}

}  // namespace asset_gen::parts
