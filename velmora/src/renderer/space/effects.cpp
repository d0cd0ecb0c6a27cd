#include "velmora/renderer/space/effects.hpp"

#include <algorithm>
#include <string>

#include "velmora/renderer/player_colors.hpp"
#include "velmora/renderer/schematic.hpp"
#include "velmora/renderer/view_lookup.hpp"

namespace velmora::renderer::space {

namespace {

constexpr float BULLET_SIZE = 0.1f;
constexpr float HIT_SIZE = 0.1f;
constexpr float RING_SIZE = 0.45f;

kimbly::Vec3 on_board(kimbly::Vec2F32 point) { return {point.x, point.y, 0.0f}; }

bool is_unit(model::EntityType type) { return std::ranges::find(schematic::UNIT_TYPES, type) != std::end(schematic::UNIT_TYPES); }

// The bullet's colour before lightening: unlike an entity's box, a bullet of
// an owner that left the game is merely grey.
kimbly::ColorF32 bullet_base_color(const model::Model& state, model::usize owner) {
    const model::Player* player = state.players.get(owner);
    return player == nullptr ? UNOWNED_COLOR : player_color(player->index);
}

}  // namespace

bool bullets_shown(double t) { return t <= 0.5; }

bool explosions_shown(double t, bool has_previous) { return has_previous && t >= 0.5 && t <= 0.7; }

std::vector<Billboard> bullets(const Scene& scene) {
    std::vector<Billboard> sprites;
    for (const model::Event& event : scene.state.events) {
        const auto& attack = std::get<model::Attack>(event.value);
        const auto from = interpolated_entity(scene, attack.attacker_id, 0.0f);
        const auto to = interpolated_entity(scene, attack.target_id, 0.5f);
        if (!from || !to) continue;
        if (!from->owner) {
            scene.log.report(BrokenData::MissingAttacker,
                             "Attacker " + std::to_string(attack.attacker_id) + " has no owner");
            continue;
        }
        const kimbly::Vec2F32 at = from->position + (2.0f * scene.t()) * (to->position - from->position);
        sprites.push_back(
            {on_board(at), 0.0f, BULLET_SIZE, lightened(bullet_base_color(scene.game(), *from->owner))});
    }
    return sprites;
}

std::vector<Billboard> explosions(const Scene& scene) {
    std::vector<Billboard> sprites;
    if (const model::Model* previous = scene.previous_game()) {
        for (const model::Entity& entity : previous->entities.iter()) {
            if (entity.entity_type == model::EntityType::Resource || scene.game().entities.get(entity.id) != nullptr) {
                continue;
            }
            if (const auto moment = interpolated_entity(scene, entity.id, scene.t())) {
                sprites.push_back({on_board(moment->position), 0.0f, moment->size, WHITE});
            }
        }
    }
    for (const model::Event& event : scene.state.events) {
        const auto& attack = std::get<model::Attack>(event.value);
        if (const auto moment = interpolated_entity(scene, attack.target_id, scene.t())) {
            sprites.push_back({on_board(moment->position), 0.0f, HIT_SIZE, WHITE});
        }
    }
    return sprites;
}

std::vector<Ring> health_rings(const Scene& scene, const AliveIndex& alive) {
    std::vector<Ring> rings;
    const model::Model* previous = scene.previous_game();
    for (const auto& [id, entity, moment] : alive.all()) {
        if (!is_unit(entity->entity_type)) continue;
        const model::EntityProperties* properties = find_properties(scene.game(), entity->entity_type, scene.log);
        const auto color = owner_color(scene.game(), entity->player_id, scene.log);
        if (!moment || properties == nullptr || !color) continue;
        const model::Entity* before = previous != nullptr ? previous->entities.get(id) : nullptr;
        const model::Entity* now = scene.game().entities.get(id);
        const model::usize health =
            before != nullptr && scene.state.t <= 0.5 ? before->health : (now != nullptr ? now->health : 0);
        kimbly::ColorF32 off = lightened(*color);
        off.a = 0.7f;
        rings.push_back({on_board(moment->position),
                         static_cast<float>(health) / static_cast<float>(properties->max_health), RING_SIZE, off,
                         *color});
    }
    return rings;
}

}  // namespace velmora::renderer::space
