#include "mesh.hpp"

#include <cmath>
#include <cstdio>
#include <numbers>
#include <stdexcept>

#include <fmt/format.h>

namespace asset_gen {

V3 operator+(V3 a, V3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
V3 operator-(V3 a, V3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
V3 operator*(V3 a, float s) { return {a.x * s, a.y * s, a.z * s}; }
V3 cross(V3 a, V3 b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }
float dot(V3 a, V3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

namespace {

constexpr float TAU = 2.0f * std::numbers::pi_v<float>;

// Adds the triangle facing away from `inside`; triangles without area are
// left out.
void add_facing(Mesh& mesh, V3 a, V3 b, V3 c, V3 inside, int swatch) {
    V3 normal = cross(b - a, c - a);
    if (dot(normal, normal) < 1e-14f) return;
    V3 centre = (a + b + c) * (1.0f / 3.0f);
    if (dot(normal, centre - inside) < 0) std::swap(b, c);
    mesh.push_back({a, b, c, swatch, std::nullopt});
}

V3 at_depth(V2 p, float z) { return {p.x, p.y, z}; }

V2 centroid(const std::vector<V2>& outline) {
    V2 sum;
    for (V2 p : outline) {
        sum.x += p.x;
        sum.y += p.y;
    }
    auto n = static_cast<float>(outline.size());
    return {sum.x / n, sum.y / n};
}

// The mean distance of the outline from `centre`.
float spread(const std::vector<V2>& outline, V2 centre) {
    float sum = 0;
    for (V2 p : outline) sum += std::hypot(p.x - centre.x, p.y - centre.y);
    return sum / static_cast<float>(outline.size());
}

template <class F>
Mesh transformed(Mesh mesh, F f) {
    for (Triangle& t : mesh) {
        t.a = f(t.a);
        t.b = f(t.b);
        t.c = f(t.c);
    }
    return mesh;
}

}  // namespace

Mesh loft(const std::vector<Ring>& rings, int side, int cap) {
    for (const Ring& ring : rings) {
        if (ring.outline.size() != rings.front().outline.size()) throw std::logic_error("loft outlines differ in length");
    }
    Mesh mesh;
    for (std::size_t k = 0; k + 1 < rings.size(); ++k) {
        const Ring& low = rings[k];
        const Ring& high = rings[k + 1];
        V2 c0 = centroid(low.outline);
        V2 c1 = centroid(high.outline);
        V3 axis{(c0.x + c1.x) / 2, (c0.y + c1.y) / 2, (low.at + high.at) / 2};
        // A step (two outlines at one depth) faces along the axis: forward
        // when it narrows, backward when it widens.
        if (low.at == high.at) axis.z += spread(high.outline, c1) < spread(low.outline, c0) ? -1.0f : 1.0f;
        std::size_t n = low.outline.size();
        for (std::size_t i = 0; i < n; ++i) {
            std::size_t j = (i + 1) % n;
            V3 a = at_depth(low.outline[i], low.at);
            V3 b = at_depth(low.outline[j], low.at);
            V3 c = at_depth(high.outline[j], high.at);
            V3 d = at_depth(high.outline[i], high.at);
            add_facing(mesh, a, b, c, axis, side);
            add_facing(mesh, a, c, d, axis, side);
        }
    }
    const Ring& first = rings.front();
    const Ring& last = rings.back();
    float depth = last.at - first.at;
    for (auto [ring, inward] : {std::pair{&first, depth}, std::pair{&last, -depth}}) {
        V2 c = centroid(ring->outline);
        V3 inside{c.x, c.y, ring->at + inward * 0.5f};
        std::size_t n = ring->outline.size();
        for (std::size_t i = 1; i + 1 < n; ++i) {
            add_facing(mesh, at_depth(ring->outline[0], ring->at), at_depth(ring->outline[i], ring->at),
                       at_depth(ring->outline[i + 1], ring->at), inside, cap);
        }
    }
    return mesh;
}

std::vector<V2> ellipse(int sides, V2 radii, float phase, V2 centre) {
    std::vector<V2> points;
    for (int i = 0; i < sides; ++i) {
        float angle = phase + TAU * static_cast<float>(i) / static_cast<float>(sides);
        points.push_back({centre.x + radii.x * std::cos(angle), centre.y + radii.y * std::sin(angle)});
    }
    return points;
}

std::vector<V2> polygon(int sides, float radius, float phase, V2 centre) {
    return ellipse(sides, {radius, radius}, phase, centre);
}

std::vector<V2> rectangle(V2 half) { return {{-half.x, -half.y}, {half.x, -half.y}, {half.x, half.y}, {-half.x, half.y}}; }

Mesh column(const std::vector<Ring>& rings, int side, int cap) {
    // A quarter turn about x takes +z to +y; the outlines' y becomes -z.
    return rotate_x(loft(rings, side, cap), -TAU / 4);
}

Mesh box(V3 low, V3 high, int side, int cap) {
    V2 half{(high.x - low.x) / 2, (high.z - low.z) / 2};
    V3 centre{(high.x + low.x) / 2, 0, (high.z + low.z) / 2};
    return translate(column({{low.y, rectangle(half)}, {high.y, rectangle(half)}}, side, cap), centre);
}

Mesh box(V3 low, V3 high, int swatch) { return box(low, high, swatch, swatch); }

Mesh surface(int nu, int nv, const std::function<V3(int, int)>& point, const std::function<V3(V3)>& inside,
             int swatch) {
    Mesh mesh;
    for (int i = 0; i < nu; ++i) {
        for (int j = 0; j < nv; ++j) {
            V3 a = point(i, j);
            V3 b = point(i + 1, j);
            V3 c = point(i + 1, j + 1);
            V3 d = point(i, j + 1);
            V3 middle = (a + b + c + d) * 0.25f;
            V3 in = inside(middle);
            add_facing(mesh, a, b, c, in, swatch);
            add_facing(mesh, a, c, d, in, swatch);
        }
    }
    return mesh;
}

Mesh torus(float radius, float tube, int segments, int sides, int swatch) {
    auto point = [=](int i, int j) {
        float u = TAU * static_cast<float>(i) / static_cast<float>(segments);
        float v = TAU * static_cast<float>(j) / static_cast<float>(sides);
        float r = radius + tube * std::cos(v);
        return V3{r * std::cos(u), tube * std::sin(v), r * std::sin(u)};
    };
    auto inside = [=](V3 p) {
        float length = std::sqrt(p.x * p.x + p.z * p.z);
        return V3{p.x / length * radius, 0, p.z / length * radius};
    };
    return surface(segments, sides, point, inside, swatch);
}

Mesh sphere(float radius, int segments, int stacks, int swatch, V3 scale_by) {
    auto point = [=](int i, int j) {
        float u = TAU * static_cast<float>(i) / static_cast<float>(segments);
        float v = TAU / 2 * static_cast<float>(j) / static_cast<float>(stacks);
        return V3{radius * std::sin(v) * std::cos(u) * scale_by.x, -radius * std::cos(v) * scale_by.y,
                  radius * std::sin(v) * std::sin(u) * scale_by.z};
    };
    return surface(segments, stacks, point, [](V3) { return V3{}; }, swatch);
}

Mesh two_sided_quad(V3 a, V3 b, V3 c, V3 d, int swatch) {
    return {{a, b, c, swatch, std::nullopt},
            {a, c, d, swatch, std::nullopt},
            {a, c, b, swatch, std::nullopt},
            {a, d, c, swatch, std::nullopt}};
}

Mesh translate(Mesh mesh, V3 by) {
    return transformed(std::move(mesh), [by](V3 p) { return p + by; });
}

Mesh scale(Mesh mesh, V3 by) {
    bool flips = ((by.x < 0) != (by.y < 0)) != (by.z < 0);
    mesh = transformed(std::move(mesh), [by](V3 p) { return V3{p.x * by.x, p.y * by.y, p.z * by.z}; });
    if (flips) {
        for (Triangle& t : mesh) {
            std::swap(t.b, t.c);
            if (t.uv) std::swap((*t.uv)[1], (*t.uv)[2]);
        }
    }
    return mesh;
}

Mesh rotate_x(Mesh mesh, float angle) {
    float c = std::cos(angle), s = std::sin(angle);
    return transformed(std::move(mesh), [=](V3 p) { return V3{p.x, p.y * c - p.z * s, p.y * s + p.z * c}; });
}

Mesh rotate_y(Mesh mesh, float angle) {
    float c = std::cos(angle), s = std::sin(angle);
    return transformed(std::move(mesh), [=](V3 p) { return V3{p.x * c + p.z * s, p.y, -p.x * s + p.z * c}; });
}

Mesh rotate_z(Mesh mesh, float angle) {
    float c = std::cos(angle), s = std::sin(angle);
    return transformed(std::move(mesh), [=](V3 p) { return V3{p.x * c - p.y * s, p.x * s + p.y * c, p.z}; });
}

Mesh mirror_x(Mesh mesh) { return scale(std::move(mesh), {-1, 1, 1}); }

Mesh symmetric_x(Mesh mesh) {
    Mesh mirrored = mirror_x(mesh);
    mesh.insert(mesh.end(), mirrored.begin(), mirrored.end());
    return mesh;
}

Mesh join(std::vector<Mesh> meshes) {
    Mesh all;
    for (Mesh& mesh : meshes) all.insert(all.end(), mesh.begin(), mesh.end());
    return all;
}

Mesh recolour(Mesh mesh, int swatch) {
    for (Triangle& t : mesh) t.swatch = swatch;
    return mesh;
}

std::string obj_text(const Model& model, int swatches_across) {
    std::string text;
    auto number = [](float v) {
        char buffer[32];
        std::snprintf(buffer, sizeof buffer, "%.5f", static_cast<double>(v));
        return std::string(buffer);
    };
    auto across = static_cast<float>(swatches_across);
    for (int s = 0; s < swatches_across * swatches_across; ++s) {
        float u = (static_cast<float>(s % swatches_across) + 0.5f) / across;
        // Swatch rows count from the top of the picture, where v is 1.
        float v = 1.0f - (static_cast<float>(s / swatches_across) + 0.5f) / across;
        text += "vt " + number(u) + " " + number(v) + "\n";
    }
    text += "vn 0 1 0\n";
    std::size_t positions = 0;
    auto coordinates = static_cast<std::size_t>(swatches_across * swatches_across);
    for (const auto& [name, mesh] : model.objects) {
        text += "o " + name + "\n";
        for (const Triangle& t : mesh) {
            for (V3 p : {t.a, t.b, t.c}) text += "v " + number(p.x) + " " + number(p.y) + " " + number(p.z) + "\n";
            if (t.uv) {
                for (V2 uv : *t.uv) text += "vt " + number(uv.x) + " " + number(uv.y) + "\n";
            }
        }
        for (const Triangle& t : mesh) {
            text += "f";
            for (std::size_t corner = 0; corner < 3; ++corner) {
                auto uv = static_cast<std::size_t>(t.swatch) + 1;
                if (t.uv) uv = ++coordinates;
                text += fmt::format(" {}/{}/1", ++positions, uv);
            }
            text += "\n";
        }
    }
    return text;
}

}  // namespace asset_gen
