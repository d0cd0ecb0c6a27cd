#include "velmora/renderer/space/fleet.hpp"

#include <algorithm>

#include <kimbly/num.hpp>

#include "velmora/renderer/view_lookup.hpp"

namespace velmora::renderer::space {

namespace {

// The player's entities of `type` among `alive`, with their motion at the
// shown moment.
template <class F>
void for_each_owned(const AliveIndex& alive, model::EntityType type, const model::Player& player, F&& visit) {
    for (const AliveEntity& entry : alive.of_type(type)) {
        if (entry.moment && entry.moment->owner == player.id) visit(*entry.entity, *entry.moment);
    }
}

}  // namespace

ShipPlacements spaceships(const AliveIndex& alive, model::EntityType type, const model::Player& player) {
    ShipPlacements ships;
    for_each_owned(alive, type, player, [&](const model::Entity&, const entity::InterpolatedEntity& moment) {
        const kimbly::Vec2F32 at = moment.position + moment.sway;
        ModelPlacement body{{at.x, at.y, 0.0f}, moment.rotation, moment.tilt, SHIP_SCALE * moment.size, WHITE, 0.0f};
        ships.bodies.push_back(body);
        body.color = {1.0f, 1.0f, 0.0f, std::min(moment.speed, 1.0f)};
        ships.trails.push_back(body);
    });
    return ships;
}

bool part_shown(const model::Entity& entity, const model::EntityProperties& properties, std::size_t part,
                std::size_t part_count) {
    if (entity.active) return true;
    return entity.health >= part * properties.max_health / part_count;
}

kimbly::ColorF32 building_tint(const model::Entity& entity, const model::EntityProperties& properties) {
    const float missing =
        entity.active ? 0.0f : 1.0f - static_cast<float>(entity.health) / static_cast<float>(properties.max_health);
    return {1.0f, 1.0f - missing, 1.0f - missing, 1.0f};
}

std::vector<ModelPlacement> building_parts(const Scene& scene, const AliveIndex& alive, model::EntityType type,
                                           const model::Player& player, std::size_t part,
                                           std::size_t part_count, bool spin) {
    std::vector<ModelPlacement> placements;
    const model::EntityProperties* properties = find_properties(scene.game(), type, scene.log);
    if (properties == nullptr) return placements;
    const float time = static_cast<float>(scene.game().current_tick) + scene.t();
    const float bob = 0.01f * kimbly::num::sin(time);
    const float spin_angle = part % 2 == 0 ? 0.1f * time : -0.1f * time;
    for_each_owned(alive, type, player, [&](const model::Entity& entity, const entity::InterpolatedEntity& moment) {
        if (!part_shown(entity, *properties, part, part_count)) return;
        const float tilt = spin && entity.active && part >= 1 ? spin_angle : 0.0f;
        placements.push_back({{moment.position.x, moment.position.y + bob, 0.0f},
                              moment.rotation,
                              tilt,
                              static_cast<float>(properties->size) / 2.0f,
                              building_tint(entity, *properties),
                              0.0f});
    });
    return placements;
}

}  // namespace velmora::renderer::space
