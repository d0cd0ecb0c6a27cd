#include "palette.hpp"

#include <array>

#include <velmora/renderer/player_colors.hpp>

namespace asset_gen {

Image model_texture(int seat) {
    auto player = velmora::renderer::player_color(static_cast<std::size_t>(seat));
    Rgba seat_colour{player.r, player.g, player.b, 1};
    const Rgba white{1, 1, 1, 1};
    const Rgba black{0, 0, 0, 1};
    const std::array<Rgba, 16> colours{{
        mix(seat_colour, white, 0.18f),          // HULL
        mix(seat_colour, black, 0.45f),          // HULL_DARK
        mix(seat_colour, white, 0.55f),          // TRIM
        {0.74f, 0.76f, 0.80f, 1},                // METAL
        {0.30f, 0.32f, 0.37f, 1},                // METAL_DARK
        {0.45f, 0.85f, 1.00f, 1},                // GLASS
        {1.00f, 0.60f, 0.15f, 1},                // ENGINE
        {1.00f, 0.93f, 0.60f, 1},                // LIGHT
        {0.10f, 0.10f, 0.12f, 1},                // BLACK
        {0.95f, 0.95f, 0.95f, 1},                // WHITE
        {0.98f, 0.78f, 0.12f, 1},                // HAZARD
        {0.85f, 0.18f, 0.12f, 1},                // RED
        {0.80f, 0.52f, 0.28f, 1},                // COPPER
        {0.52f, 0.54f, 0.57f, 1},                // ARMOR
        {0.60f, 1.00f, 0.95f, 1},                // ENERGY
        mix(seat_colour, black, 0.7f),           // HULL_DEEP
    }};
    Image image(128, 128);
    const int cell = 128 / SWATCHES_ACROSS;
    for (int y = 0; y < 128; ++y) {
        for (int x = 0; x < 128; ++x) {
            image.at(x, y) = colours[static_cast<std::size_t>((y / cell) * SWATCHES_ACROSS + x / cell)];
        }
    }
    return image;
}

}  // namespace asset_gen
