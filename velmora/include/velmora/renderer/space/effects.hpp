#pragma once
// The space view's fire: bullets flying during the first half of a tick,
// explosions flashing just after, and the units' health rings.
#include <vector>

#include "velmora/renderer/space/alive_index.hpp"
#include "velmora/renderer/view_shapes.hpp"

namespace velmora::renderer::space {

// Bullets reach their targets at mid-tick and vanish.
bool bullets_shown(double t);
// Explosions flash from mid-tick to 0.7, and only after a tick was played.
bool explosions_shown(double t, bool has_previous);

// One bullet per attack of the tick, from where the attacker stood at the
// tick's start towards where the target is at mid-tick, in the attacker's
// owner's colour lightened halfway to white.
std::vector<Billboard> bullets(const Scene& scene);

// A blast twice the size of every entity destroyed in the tick (resources
// just vanish), then a small flash at every attack's target.
std::vector<Billboard> explosions(const Scene& scene);

// A ring around every unit among `alive` filled by its share of health; the
// health drops at mid-tick, when the bullets arrive.
std::vector<Ring> health_rings(const Scene& scene, const AliveIndex& alive);

}  // namespace velmora::renderer::space
