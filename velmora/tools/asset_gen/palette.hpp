#pragma once
// The colours the models are painted with: a texture of 4 × 4 flat
// swatches, the same layout for every model, the hull swatches in the
// colour of one player seat.
#include "image.hpp"

namespace asset_gen {

inline constexpr int SWATCHES_ACROSS = 4;

enum Swatch : int {
    HULL,
    HULL_DARK,
    TRIM,
    METAL,
    METAL_DARK,
    GLASS,
    ENGINE,
    LIGHT,
    BLACK,
    WHITE,
    HAZARD,
    RED,
    COPPER,
    ARMOR,
    ENERGY,
    HULL_DEEP,
};

// 128 × 128 pixels for seat 0 to 3.
Image model_texture(int seat);

}  // namespace asset_gen
