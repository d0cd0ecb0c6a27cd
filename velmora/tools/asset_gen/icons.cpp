#include <cmath>
#include <functional>
#include <numbers>

#include "pictures.hpp"
#include "shapes.hpp"

namespace asset_gen {

namespace {

using namespace shapes;

constexpr float QUARTER = std::numbers::pi_v<float> / 4;

// A 64 × 64 white glyph whose alpha is the shape.
Image glyph(const std::function<bool(V2)>& inside) {
    Image image(64, 64);
    image.fill_smooth(4, [&](float x, float y) { return Rgba{1, 1, 1, inside({x, y}) ? 1.0f : 0.0f}; });
    return image;
}

}  // namespace

// A spanner lying from the lower left to the upper right.
Image builder_icon() {
    return glyph([](V2 p) {
        const V2 head{0.42f, 0.42f};
        bool handle = in_capsule(p, {-0.58f, -0.58f}, head, 0.15f);
        bool jaw = in_circle(p, head, 0.4f);
        bool mouth = in_circle(p, {0.6f, 0.6f}, 0.22f) || in_box(p, {0.68f, 0.68f}, {0.22f, 0.2f}, QUARTER);
        bool eye = in_circle(p, {-0.58f, -0.58f}, 0.06f);
        return ((handle || jaw) && !mouth && !eye) || (in_circle(p, {-0.58f, -0.58f}, 0.25f) && !eye);
    });
}

// Cross hairs: a ring, four ticks and the centre.
Image ranged_icon() {
    return glyph([](V2 p) {
        float r = std::sqrt(p.x * p.x + p.y * p.y);
        bool ring = r <= 0.68f && r >= 0.52f;
        bool ticks = (std::abs(p.x) <= 0.07f && std::abs(p.y) >= 0.3f && std::abs(p.y) <= 0.95f) ||
                     (std::abs(p.y) <= 0.07f && std::abs(p.x) >= 0.3f && std::abs(p.x) <= 0.95f);
        return ring || ticks || r <= 0.13f;
    });
}

// A sword pointing up.
Image melee_icon() {
    return glyph([](V2 p) {
        bool blade = in_polygon(p, {{-0.13f, -0.3f}, {0.13f, -0.3f}, {0.13f, 0.62f}, {0.0f, 0.95f}, {-0.13f, 0.62f}});
        bool guard = in_capsule(p, {-0.46f, -0.36f}, {0.46f, -0.36f}, 0.08f);
        bool grip = in_box(p, {0, -0.6f}, {0.07f, 0.26f});
        bool pommel = in_circle(p, {0, -0.86f}, 0.12f);
        bool fuller = in_box(p, {0, 0.22f}, {0.025f, 0.4f});
        return (blade && !fuller) || guard || grip || pommel;
    });
}

// A house: a roof over a square body with a door, and a chimney.
Image house_icon() {
    return glyph([](V2 p) {
        bool roof = in_polygon(p, {{-0.95f, 0.05f}, {0.0f, 0.88f}, {0.95f, 0.05f}});
        bool body = in_box(p, {0, -0.42f}, {0.66f, 0.5f});
        bool chimney = in_box(p, {0.5f, 0.55f}, {0.11f, 0.28f});
        bool door = in_box(p, {0, -0.6f}, {0.16f, 0.3f});
        bool window = in_box(p, {-0.36f, -0.3f}, {0.13f, 0.12f}) || in_box(p, {0.36f, -0.3f}, {0.13f, 0.12f});
        return (roof || body || chimney) && !door && !window;
    });
}

// A gun tower: a wide foot, a round head and a barrel raised to the right.
Image turret_icon() {
    return glyph([](V2 p) {
        bool foot = in_polygon(p, {{-0.7f, -0.92f}, {0.7f, -0.92f}, {0.45f, -0.35f}, {-0.45f, -0.35f}});
        bool neck = in_box(p, {0, -0.28f}, {0.3f, 0.12f});
        bool head = in_circle(p, {0, 0.05f}, 0.42f) && p.y >= -0.2f;
        bool barrel = in_capsule(p, {0.1f, 0.1f}, {0.82f, 0.72f}, 0.11f);
        bool slit = in_box(p, {-0.12f, 0.02f}, {0.16f, 0.05f});
        return ((foot || neck || head) && !slit) || barrel;
    });
}

}  // namespace asset_gen
