#include "velmora/quickstart_player.hpp"

#include <array>

namespace velmora::quickstart_player {

namespace {

using model::EntityType;
using model::usize;

bool is_unit(EntityType type) {
    return type == EntityType::BuilderUnit || type == EntityType::MeleeUnit || type == EntityType::RangedUnit;
}

// How many of each kind the player owns, counted once per view rather than
// once for every building that orders.
using KindCounts = std::array<usize, model::ENTITY_TYPE_COUNT>;

KindCounts own_counts(const model::PlayerView& view) {
    KindCounts counts{};
    for (const model::Entity& entity : view.entities)
        if (entity.player_id == view.my_id) ++counts.at(static_cast<std::size_t>(entity.entity_type));
    return counts;
}

// The first kind the building can make, while one more of that kind fits
// within what this one building provides.
std::optional<model::BuildAction> production(const model::PlayerView& view, const KindCounts& counts,
                                             const model::Entity& building,
                                             const model::EntityProperties& properties) {
    if (!properties.build || properties.build->options.empty()) return std::nullopt;
    const EntityType kind = properties.build->options.front();
    auto kind_properties = view.entity_properties.find(kind);
    if (kind_properties == view.entity_properties.end()) return std::nullopt;
    const usize count = counts.at(static_cast<std::size_t>(kind));
    if ((count + 1) * kind_properties->second.population_use > properties.population_provide) return std::nullopt;
    // Beside the far x edge, in the building's last row.
    return model::BuildAction{kind, {building.position.x + properties.size, building.position.y + properties.size - 1}};
}

}  // namespace

model::Action decide(const model::PlayerView& view) {
    model::Action action;
    const usize corner = view.map_size - 1;
    const KindCounts counts = own_counts(view);
    for (const model::Entity& entity : view.entities) {
        if (entity.player_id != view.my_id) continue;
        auto found = view.entity_properties.find(entity.entity_type);
        if (found == view.entity_properties.end()) continue;
        const model::EntityProperties& properties = found->second;

        model::EntityAction order;
        if (is_unit(entity.entity_type)) {
            order.move_action = model::MoveAction{{corner, corner}, true, true};
        } else {
            order.build_action = production(view, counts, entity, properties);
        }
        model::AutoAttack auto_attack{properties.sight_range, {}};
        if (entity.entity_type == EntityType::BuilderUnit) auto_attack.valid_targets = {EntityType::Resource};
        order.attack_action = model::AttackAction{std::nullopt, std::move(auto_attack)};
        // Views list entities ascending by id, so each order goes at the end.
        action.entity_actions.insert_or_assign(action.entity_actions.end(), entity.id, std::move(order));
    }
    return action;
}

}  // namespace velmora::quickstart_player
