#include "velmora/model/step_plan.hpp"

#include <optional>

#include <kimbly/panic.hpp>

#include "velmora/model/attack.hpp"
#include "velmora/model/pathfind.hpp"
#include "search.hpp"

namespace velmora::model {

FindTargetPos::FindTargetPos(const AutoAttack& auto_attack, const Model& model, const TileMap& tile_map,
                             const Entity& unit, const EntityIndex& entities, const TileClasses& classes)
    : FindTargetPos(auto_attack, model, tile_map, unit, entities) {
    classes_ = &classes;
    Entity probe;
    for (std::size_t cls = 1; cls < classes.class_count(); ++cls) {
        probe.player_id = classes.owner_of(cls);
        probe.entity_type = TileClasses::type_of(cls);
        valid_[cls] = is_valid_target(unit, probe, auto_attack.valid_targets);
    }
}

bool FindTargetPos::beside_target_by_tiles(kimbly::Vec2Usize cell) const {
    for (Offset offset : NEIGHBOUR_ORDER) {
        kimbly::Vec2Usize next;
        if (!neighbour_of(cell, offset, model_.map_size, next)) continue;
        const Tile& tile = tile_map_.at(next);
        if (tile.kind != Tile::Kind::Entity) continue;
        const Entity* candidate = index_ != nullptr ? index_->get(tile.id) : model_.entities.get(tile.id);
        if (candidate != nullptr && is_valid_target(unit_, *candidate, auto_attack_.valid_targets)) return true;
    }
    return false;
}

namespace {

const EntityAction NO_ACTION{};

// The goal test of the move search.
struct TargetDistance {
    static constexpr bool REPEATABLE = true;
    kimbly::Vec2Usize target;
    usize operator()(usize, kimbly::Vec2Usize cell) const { return manhattan_distance(cell, target); }
};

std::optional<kimbly::Vec2Usize> candidate_step(const Model& model, kimbly::rng::Rng& rng, const TickState& tick,
                                                const Entity& unit, const SightGrid& sight,
                                                const EntityAction& action) {
    const auto& properties = model.entity_properties.value;
    if (action.attack_action && action.attack_action->auto_attack) {
        const AutoAttack& auto_attack = *action.attack_action->auto_attack;
        pathfind::SearchResult result;
        if (tick.tile_classes.complete()) {
            const FindTargetPos goal(auto_attack, model, tick.tile_map, unit, tick.entity_index, tick.tile_classes);
            result = pathfind::detail::search_with(rng, model.map_size, properties.at(unit.entity_type), unit, goal,
                                                   pathfind::detail::ClassSteps(tick.tile_classes, sight),
                                                   model.max_pathfind_nodes);
        } else {
            const FindTargetPos goal(auto_attack, model, tick.tile_map, unit, tick.entity_index);
            result = pathfind::detail::search(rng, model.map_size, tick.entity_index, properties, tick.tile_map, sight,
                                              unit, goal, false, model.max_pathfind_nodes);
        }
        if (result.goal_value == 0) return result.first_step;
    }
    if (!action.move_action) return std::nullopt;
    const MoveAction& move = *action.move_action;
    if (manhattan_distance(unit.position, move.target) <= 1) return move.target;
    const TargetDistance goal{move.target};
    // Heads for the reachable cell nearest the target, reached or not.
    return pathfind::detail::search(rng, model.map_size, tick.entity_index, properties, tick.tile_map, sight, unit,
                                    goal, move.break_through, model.max_pathfind_nodes)
        .first_step;
}

}  // namespace

void plan_steps(const Model& model, kimbly::rng::Rng& rng, TickState& tick) {
    const PropertiesByType properties(model.entity_properties.value);
    // Nothing changes the collection while steps are planned.
    tick.entity_index.refill(model.entities);
    tick.tile_classes.refill(model);
    // Nothing has acted yet, so the ready list is every active entity in
    // ascending id order: walking the collection visits them in that order
    // without looking each one up.
    for (const Entity& entity : model.entities.iter()) {
        if (!entity.active) continue;
        const Entity* unit = &entity;
        const usize id = unit->id;
        const EntityProperties& unit_properties = properties.at(unit->entity_type);
        if (!unit_properties.can_move) continue;
        if (unit_properties.size != 1) kimbly::panic("entity types that move must have size 1");
        // A unit with no owner among the players has no sight to plan with;
        // a validated state never holds one.
        if (!unit->player_id) continue;
        auto grid = tick.sight_grids.find(*unit->player_id);
        if (grid == tick.sight_grids.end()) continue;

        const StoredAction* stored = model.entity_actions.get(id);
        const EntityAction& action = stored != nullptr ? stored->action : NO_ACTION;
        auto step = candidate_step(model, rng, tick, *unit, *grid->second, action);
        if (!step || *step == unit->position || step->x >= model.map_size || step->y >= model.map_size) continue;
        tick.plan_step(id, *step);
    }
}

}  // namespace velmora::model
