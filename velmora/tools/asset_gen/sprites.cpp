#include <algorithm>
#include <cmath>

#include "pictures.hpp"

namespace asset_gen {

namespace {

float radius(float x, float y) { return std::sqrt(x * x + y * y); }

// White fading out from the middle; `sharpness` narrows the bright part.
Image radial(float sharpness) {
    Image image(64, 64);
    image.fill([sharpness](float x, float y) {
        float r = radius(x, y);
        float alpha = std::exp(-sharpness * r * r) * (1.0f - smoothstep(0.75f, 1.0f, r));
        return Rgba{1, 1, 1, alpha};
    });
    return image;
}

}  // namespace

Image glow_sprite() { return radial(5.0f); }

// A hard white core with a short halo.
Image bullet_sprite() {
    Image image(64, 64);
    image.fill([](float x, float y) {
        float r = radius(x, y);
        float alpha = std::max(1.0f - smoothstep(0.25f, 0.4f, r), std::exp(-9.0f * r * r) * 0.8f);
        return Rgba{1, 1, 1, alpha * (1.0f - smoothstep(0.8f, 1.0f, r))};
    });
    return image;
}

// A fireball: white at the heart through yellow and orange to a smoky red
// rim with ragged edges.
Image explosion_sprite() {
    Image image(128, 128);
    image.fill([](float x, float y) {
        float angle = std::atan2(y, x);
        float ragged = value_noise(std::cos(angle) * 3 + 10, std::sin(angle) * 3 + 10, 3, 7u);
        float swirl = value_noise(x * 4 + 20, y * 4 + 20, 4, 11u);
        float r = radius(x, y) / (0.62f + 0.35f * ragged) + (swirl - 0.5f) * 0.25f;
        const Rgba core{1, 1, 0.9f, 1}, yellow{1, 0.85f, 0.25f, 1}, orange{1, 0.45f, 0.08f, 1},
            rim{0.55f, 0.1f, 0.05f, 1};
        Rgba colour = r < 0.25f ? mix(core, yellow, r / 0.25f)
                      : r < 0.55f ? mix(yellow, orange, (r - 0.25f) / 0.3f)
                                  : mix(orange, rim, std::min((r - 0.55f) / 0.4f, 1.0f));
        colour.a = 1.0f - smoothstep(0.7f, 1.0f, r);
        return colour;
    });
    return image;
}

// A green cross in a soft round glow.
Image repair_sprite() {
    Image image(64, 64);
    image.fill_smooth(4, [](float x, float y) {
        bool cross = (std::abs(x) <= 0.18f && std::abs(y) <= 0.62f) || (std::abs(y) <= 0.18f && std::abs(x) <= 0.62f);
        if (cross) return Rgba{0.55f, 1, 0.55f, 1};
        float r = radius(x, y);
        return Rgba{0.3f, 0.9f, 0.4f, 0.45f * std::exp(-3.0f * r * r) * (1.0f - smoothstep(0.8f, 1.0f, r))};
    });
    return image;
}

Image trail_texture() {
    Image image(64, 64);
    image.fill([](float x, float y) {
        float along = (x + 1) / 2;
        float across = 1.0f - smoothstep(0.3f, 1.0f, std::abs(y));
        float fade = std::pow(1.0f - along, 1.6f);
        return Rgba{1, 1, 1, fade * across};
    });
    return image;
}

}  // namespace asset_gen
