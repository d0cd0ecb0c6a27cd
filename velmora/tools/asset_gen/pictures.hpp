#pragma once
// The flat pictures: the schematic view's icons (white on transparent) and
// the space view's sprites and trail.
#include "image.hpp"

namespace asset_gen {

Image builder_icon();
Image ranged_icon();
Image melee_icon();
Image house_icon();
Image turret_icon();

Image glow_sprite();
Image bullet_sprite();
Image explosion_sprite();
Image repair_sprite();
// Opaque at u = 0, where the trail leaves the ship, fading out towards u = 1.
Image trail_texture();

}  // namespace asset_gen
