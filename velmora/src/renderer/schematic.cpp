#include "velmora/renderer/schematic.hpp"

#include <algorithm>
#include <string>

#include "velmora/renderer/view_lookup.hpp"

namespace velmora::renderer::schematic {

namespace {

using kimbly::ColorF32;
using kimbly::Vec2F32;

ColorF32 with_alpha(ColorF32 color, float alpha) { return {color.r, color.g, color.b, alpha}; }

float health_share(const model::Entity& entity, const model::EntityProperties& properties) {
    return static_cast<float>(entity.health) / static_cast<float>(properties.max_health);
}

}  // namespace

Square background(const model::Model& state) {
    const float half = static_cast<float>(state.map_size) / 2.0f;
    return {{half, half}, {half, half}, BACKGROUND_COLOR};
}

std::vector<Square> resources(const model::Model& state, BrokenDataLog& log) {
    std::vector<Square> squares;
    const model::EntityProperties* properties = find_properties(state, model::EntityType::Resource, log);
    if (properties == nullptr) return squares;
    for (const model::Entity& entity : state.entities.iter()) {
        if (entity.entity_type != model::EntityType::Resource) continue;
        // A resource fills one cell, whatever its table size says.
        const Vec2F32 corner = entity_square(entity, *properties).corner;
        const float half = health_share(entity, *properties) * 0.5f;
        squares.push_back({{corner.x + 0.5f, corner.y + 0.5f}, {half, half}, RESOURCE_COLOR});
    }
    return squares;
}

std::vector<Square> boxes(const model::Model& state, std::span<const model::EntityType> types, BrokenDataLog& log) {
    std::vector<Square> squares;
    for (const model::Entity& entity : state.entities.iter()) {
        if (std::ranges::find(types, entity.entity_type) == types.end()) continue;
        const model::EntityProperties* properties = find_properties(state, entity.entity_type, log);
        const auto color = owner_color(state, entity.player_id, log);
        if (properties == nullptr || !color) continue;
        const EntitySquare cells = entity_square(entity, *properties);
        const float x0 = cells.corner.x + 0.1f;
        const float x1 = cells.corner.x + cells.size - 0.1f;
        const float y0 = cells.corner.y + 0.1f;
        const float y1 = cells.corner.y + cells.size - 0.1f;
        const Vec2F32 center{(x0 + x1) / 2.0f, (y0 + y1) / 2.0f};
        const Vec2F32 half{(x1 - x0) / 2.0f, (y1 - y0) / 2.0f};
        squares.push_back({center, half, with_alpha(*color, 0.5f)});
        squares.push_back({center, health_share(entity, *properties) * half, with_alpha(*color, 1.0f)});
    }
    return squares;
}

std::vector<Square> icons(const model::Model& state, const IconStep& step, BrokenDataLog& log) {
    std::vector<Square> squares;
    const model::EntityProperties* properties = find_properties(state, step.type, log);
    if (properties == nullptr) return squares;
    for (const model::Entity& entity : state.entities.iter()) {
        if (entity.entity_type != step.type) continue;
        const EntitySquare cells = entity_square(entity, *properties);
        const float half = cells.size * step.scale;
        squares.push_back(
            {cells.center(), {half, half}, entity.active ? ACTIVE_ICON_COLOR : INACTIVE_ICON_COLOR});
    }
    return squares;
}

std::vector<LinePoint> attack_lines(const model::Model& state, const model::Model* previous,
                                    std::span<const model::Event> events, BrokenDataLog& log) {
    std::vector<LinePoint> points;
    if (events.empty()) return points;
    if (previous == nullptr) {
        log.report(BrokenData::MissingPrevious, "A tick with attacks has no state before it");
        return points;
    }
    for (const model::Event& event : events) {
        const auto& attack = std::get<model::Attack>(event.value);
        const model::Entity* attacker = previous->entities.get(attack.attacker_id);
        if (attacker == nullptr) {
            log.report(BrokenData::MissingAttacker,
                       "Attacker " + std::to_string(attack.attacker_id) + " is not in the state before its attack");
            continue;
        }
        const model::Entity* target = previous->entities.get(attack.target_id);
        if (target == nullptr) continue;
        const model::EntityProperties* attacker_properties = find_properties(state, attacker->entity_type, log);
        const model::EntityProperties* target_properties = find_properties(state, target->entity_type, log);
        if (attacker_properties == nullptr || target_properties == nullptr) continue;
        points.push_back({entity_square(*attacker, *attacker_properties).center(), ATTACKER_COLOR});
        points.push_back({entity_square(*target, *target_properties).center(), TARGET_COLOR});
    }
    return points;
}

}  // namespace velmora::renderer::schematic
