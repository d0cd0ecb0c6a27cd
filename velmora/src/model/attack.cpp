#include "velmora/model/attack.hpp"

#include <algorithm>
#include <optional>
#include <span>

namespace velmora::model {

namespace {

// Distance along one axis between the segments [a, a + a_size) and
// [b, b + b_size), counting side contact as 1.
usize axis_distance(usize a, usize a_size, usize b, usize b_size) {
    if (a >= b + b_size) return a - (b + b_size) + 1;
    if (b >= a + a_size) return b - (a + a_size) + 1;
    return 0;
}

// Pays the attacker's owner for `dealt` health taken from `target`.
void reward(Model& model, const Entity& attacker, const EntityProperties& attacker_properties, const Entity& target,
            usize dealt) {
    if (!attacker.player_id) return;
    Player* owner = model.players.get(*attacker.player_id);
    if (owner == nullptr) return;
    const EntityProperties& target_properties = model.entity_properties.value.at(target.entity_type);
    if (attacker_properties.attack->collect_resource) {
        const usize gathered = dealt * target_properties.resource_per_health;
        owner->resource += gathered;
        owner->score += gathered;
    }
    if (dealt != 0 && target.health == 0 && target.player_id != attacker.player_id)
        owner->score += target_properties.destroy_score;
}

// Ids of the entities covering any cell that an entity within range of the
// attacker must reach into, ascending. Nothing has moved or been built yet in
// this phase, so the start tile map shows every entity where it stands; the
// attacker itself is left out.
std::vector<usize> entities_near(const TileMap& tiles, const Entity& attacker, usize size, usize range) {
    const usize last = tiles.map_size() - 1;
    const usize x_begin = attacker.position.x > range ? attacker.position.x - range : 0;
    const usize y_begin = attacker.position.y > range ? attacker.position.y - range : 0;
    const usize x_end = std::min(attacker.position.x + size - 1 + range, last);
    const usize y_end = std::min(attacker.position.y + size - 1 + range, last);
    std::vector<usize> ids;
    for (usize x = x_begin; x <= x_end; ++x)
        for (usize y = y_begin; y <= y_end; ++y) {
            const Tile& tile = tiles.at(x, y);
            if (tile.kind == Tile::Kind::Entity && tile.id != attacker.id) ids.push_back(tile.id);
        }
    std::sort(ids.begin(), ids.end());
    ids.erase(std::unique(ids.begin(), ids.end()), ids.end());
    return ids;
}

std::optional<usize> fixed_or_automatic_target(Model& model, kimbly::rng::Rng& rng, const TickState& tick,
                                               const Entity& attacker, const AttackAction& order) {
    const auto& properties = model.entity_properties.value;
    // The attacker never targets itself.
    if (order.target && *order.target != attacker.id) {
        const Entity* target = model.entities.get(*order.target);
        if (target != nullptr && can_attack(attacker, *target, properties)) return *order.target;
    }
    if (!order.auto_attack || tick.tile_map.map_size() == 0) return std::nullopt;
    // Candidates in ascending id order, the order the choice is made in.
    const EntityProperties& own = properties.at(attacker.entity_type);
    std::vector<usize> candidates;
    for (usize id : entities_near(tick.tile_map, attacker, own.size, own.attack->attack_range)) {
        const Entity* candidate = model.entities.get(id);
        if (candidate != nullptr && is_valid_target(attacker, *candidate, order.auto_attack->valid_targets) &&
            can_attack(attacker, *candidate, properties))
            candidates.push_back(id);
    }
    if (candidates.empty()) return std::nullopt;
    return candidates[kimbly::rng::choose_index(rng, candidates.size())];
}

// The foreign entity on the cell the attacker planned to step into.
std::optional<usize> break_through_target(const Model& model, const TickState& tick, const Entity& attacker) {
    auto step = tick.step_plan.find(attacker.id);
    if (step == tick.step_plan.end()) return std::nullopt;
    const Tile& tile = tick.tile_map.at(step->second);
    if (tile.kind != Tile::Kind::Entity || tile.id == attacker.id) return std::nullopt;
    const Entity* other = model.entities.get(tile.id);
    if (other == nullptr || other->player_id == attacker.player_id) return std::nullopt;
    return tile.id;
}

void act(Model& model, kimbly::rng::Rng& rng, TickState& tick, const Entity& attacker) {
    const auto& table = model.entity_properties.value;
    const EntityProperties& properties = table.at(attacker.entity_type);
    const StoredAction* stored = model.entity_actions.get(attacker.id);

    std::optional<usize> target_id;
    if (stored != nullptr && stored->action.attack_action && properties.attack)
        target_id = fixed_or_automatic_target(model, rng, tick, attacker, *stored->action.attack_action);
    if (!target_id) target_id = break_through_target(model, tick, attacker);
    if (!target_id) return;

    // The break-through target has not been range-tested yet.
    Entity* target = model.entities.get(*target_id);
    if (!properties.attack || target == nullptr || !can_attack(attacker, *target, table)) return;

    const usize dealt = std::min(properties.attack->damage, target->health);
    target->health -= dealt;
    reward(model, attacker, properties, *target, dealt);
    tick.events.push_back(Event{Attack{attacker.id, *target_id}});
    tick.ready.erase(attacker.id);
}

}  // namespace

usize square_distance(kimbly::Vec2Usize a, usize a_size, kimbly::Vec2Usize b, usize b_size) {
    return axis_distance(a.x, a_size, b.x, b_size) + axis_distance(a.y, a_size, b.y, b_size);
}

bool can_attack(const Entity& attacker, const Entity& target, const EntityPropertiesTable& properties) {
    const EntityProperties& a = properties.at(attacker.entity_type);
    if (!a.attack) return false;
    const EntityProperties& t = properties.at(target.entity_type);
    return square_distance(attacker.position, a.size, target.position, t.size) <= a.attack->attack_range;
}

bool is_valid_target(const Entity& unit, const Entity& candidate, const std::vector<EntityType>& valid_targets) {
    if (valid_targets.empty())
        return candidate.player_id && (!unit.player_id || *candidate.player_id != *unit.player_id);
    return candidate.player_id != unit.player_id &&
           std::find(valid_targets.begin(), valid_targets.end(), candidate.entity_type) != valid_targets.end();
}

void attack_phase(Model& model, kimbly::rng::Rng& rng, TickState& tick) {
    kimbly::rng::shuffle(rng, std::span<usize>(tick.ready_list));
    for (usize id : tick.ready_list) {
        // Without an order, or a planned step to break through, an entity
        // has nothing to do here (most of the ready ones are resources).
        if (!tick.may_attack(model, id)) continue;
        // Stays in place while it acts: the phase adds and removes nothing,
        // and every target lookup leaves the attacker out.
        const Entity* attacker = model.entities.get(id);
        if (attacker == nullptr) continue;
        act(model, rng, tick, *attacker);
    }
}

}  // namespace velmora::model
