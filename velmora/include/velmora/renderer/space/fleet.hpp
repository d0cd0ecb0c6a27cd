#pragma once
// Placements of the space view's ships and buildings, one list per player
// (each player's models wear that player's texture).
#include <cstddef>
#include <vector>

#include "velmora/renderer/space/alive_index.hpp"
#include "velmora/renderer/view_shapes.hpp"

namespace velmora::renderer::space {

// Ships are modelled a cell wide at scale 5.
inline constexpr float SHIP_SCALE = 0.2f;

struct ShipPlacements {
    std::vector<ModelPlacement> bodies;
    // As the bodies, yellow and as opaque as the ship is fast (at rest it
    // vanishes, from one cell per tick on it is solid).
    std::vector<ModelPlacement> trails;
};

// The player's units of `type` among `alive`: swaying and banking at the
// interpolated point of the tick.
ShipPlacements spaceships(const AliveIndex& alive, model::EntityType type, const model::Player& player);

// Whether a building shows part `part` of `part_count`: all of them once
// active; under construction a part appears when health reaches its share
// of the maximum, ⌊part × max_health / part_count⌋.
bool part_shown(const model::Entity& entity, const model::EntityProperties& properties, std::size_t part,
                std::size_t part_count);

// The tint of a building: white once active, red for a fresh construction
// site, whitening as health fills.
kimbly::ColorF32 building_tint(const model::Entity& entity, const model::EntityProperties& properties);

// The player's buildings of `type` among `alive` that show part `part`.
// With `spin`, every part after the first of an active building turns about
// its own x axis, even parts one way and odd parts the other.
std::vector<ModelPlacement> building_parts(const Scene& scene, const AliveIndex& alive, model::EntityType type,
                                           const model::Player& player, std::size_t part,
                                           std::size_t part_count, bool spin);

}  // namespace velmora::renderer::space
