#include "velmora/keyboard_player.hpp"

#include <vector>

#include <kimbly/rng.hpp>

#include "velmora/model/collection.hpp"
#include "velmora/model/pathfind.hpp"
#include "velmora/model/sight.hpp"
#include "velmora/model/tile_map.hpp"

namespace velmora::keyboard_player {

namespace {

using kimbly::Vec2Usize;
using model::Entity;
using model::EntityAction;
using model::EntityType;
using model::PlayerView;

// Units standing idle or on the move attack within this many steps.
constexpr usize AUTO_ATTACK_RANGE = 5;

const Entity* find_entity(const PlayerView& view, usize id) {
    for (const auto& entity : view.entities) {
        if (entity.id == id) return &entity;
    }
    return nullptr;
}

bool is_finished(const HighLevelAction& action, const Entity& entity, const PlayerView& view) {
    return std::visit(
        [&](const auto& a) -> bool {
            using A = std::decay_t<decltype(a)>;
            if constexpr (std::is_same_v<A, HighLevelAction::Idle>) {
                return true;
            } else if constexpr (std::is_same_v<A, HighLevelAction::Build>) {
                // Only the first entity standing at the corner counts.
                for (const auto& other : view.entities) {
                    if (other.position == a.position) {
                        return other.entity_type == a.entity_type && other.player_id == entity.player_id &&
                               other.active;
                    }
                }
                return false;
            } else if constexpr (std::is_same_v<A, HighLevelAction::Move>) {
                return entity.position == a.position;
            } else if constexpr (std::is_same_v<A, HighLevelAction::Attack>) {
                return find_entity(view, a.target) == nullptr;
            } else {
                const Entity* target = find_entity(view, a.target);
                return target == nullptr ||
                       target->health == view.entity_properties.at(target->entity_type).max_health;
            }
        },
        action.value);
}

bool holds_resource(const model::TileMap& tiles, const model::Collection<Entity>& entities, Vec2Usize cell,
                    usize& resource_id) {
    const model::Tile& tile = tiles.at(cell);
    if (tile.kind != model::Tile::Kind::Entity) return false;
    const Entity* entity = entities.get(tile.id);
    if (entity == nullptr || entity->entity_type != EntityType::Resource) return false;
    resource_id = tile.id;
    return true;
}

// The first in-map side neighbour of `cell` that holds a resource.
std::optional<usize> resource_beside(const model::TileMap& tiles, const model::Collection<Entity>& entities,
                                     Vec2Usize cell, usize map_size) {
    for (auto offset : model::NEIGHBOUR_ORDER) {
        Vec2Usize neighbour;
        usize id = 0;
        if (model::neighbour_of(cell, offset, map_size, neighbour) && holds_resource(tiles, entities, neighbour, id)) {
            return id;
        }
    }
    return std::nullopt;
}

// A collector whose resource is used up goes on to the resource next to the
// best cell a search over the whole map (as if it were all in sight) finds.
// The search draws from this thread's generator, never the match's, so the
// player cannot disturb a seeded match.
std::optional<HighLevelAction> next_resource(const Entity& entity, const PlayerView& view,
                                             const model::Collection<Entity>& entities) {
    const usize map_size = view.map_size;
    auto tiles = model::TileMap::get_with(map_size, view.entities, view.entity_properties);
    model::SightGrid sight{map_size, std::vector<usize>(map_size * map_size, 1)};
    auto find_next_resource = [&](usize, Vec2Usize cell) -> usize {
        return resource_beside(tiles, entities, cell, map_size) ? 0 : 1;
    };
    auto result = model::pathfind::pathfind(kimbly::rng::global_rng(), map_size, entities, view.entity_properties,
                                            tiles, sight, entity, find_next_resource, false,
                                            view.max_pathfind_nodes);
    auto resource = resource_beside(tiles, entities, result.best_cell, map_size);
    if (!resource) return std::nullopt;
    return HighLevelAction{HighLevelAction::Attack{*resource, EntityType::Resource}};
}

bool collects_resource(const Entity& entity, const PlayerView& view) {
    const auto& attack = view.entity_properties.at(entity.entity_type).attack;
    return attack && attack->collect_resource;
}

void settle(std::deque<HighLevelAction>& queue, const Entity& entity, const PlayerView& view,
            const model::Collection<Entity>& entities) {
    while (!queue.empty() && is_finished(queue.front(), entity, view)) {
        HighLevelAction done = std::move(queue.front());
        queue.pop_front();
        const auto* attack = std::get_if<HighLevelAction::Attack>(&done.value);
        if (queue.empty() && attack != nullptr && attack->target_type == EntityType::Resource &&
            collects_resource(entity, view)) {
            if (auto next = next_resource(entity, view, entities)) queue.push_back(std::move(*next));
        }
    }
}

model::MoveAction move_to(Vec2Usize target) { return {target, true, false}; }

model::AttackAction auto_attack() { return {std::nullopt, model::AutoAttack{AUTO_ATTACK_RANGE, {}}}; }

EntityAction idle_action(const Entity& entity) {
    EntityAction action;
    if (entity.entity_type != EntityType::BuilderUnit) action.attack_action = auto_attack();
    return action;
}

EntityAction choose_action(const HighLevelAction& front, const Entity& entity, const PlayerView& view) {
    return std::visit(
        [&](const auto& a) -> EntityAction {
            using A = std::decay_t<decltype(a)>;
            EntityAction action;
            if constexpr (std::is_same_v<A, HighLevelAction::Idle>) {
                return idle_action(entity);
            } else if constexpr (std::is_same_v<A, HighLevelAction::Build>) {
                action.move_action = move_to(a.position);
                action.build_action = model::BuildAction{a.entity_type, a.position};
                for (const auto& other : view.entities) {
                    if (other.position == a.position && other.entity_type == a.entity_type &&
                        other.player_id == entity.player_id) {
                        action.repair_action = model::RepairAction{other.id};
                        break;
                    }
                }
            } else if constexpr (std::is_same_v<A, HighLevelAction::Move>) {
                action.move_action = move_to(a.position);
                if (a.attack_on_the_way && entity.entity_type != EntityType::BuilderUnit) {
                    action.attack_action = auto_attack();
                }
            } else if constexpr (std::is_same_v<A, HighLevelAction::Attack>) {
                const Entity* target = find_entity(view, a.target);
                if (target == nullptr) return idle_action(entity);
                action.move_action = move_to(target->position);
                action.attack_action = model::AttackAction{a.target, std::nullopt};
            } else {
                const Entity* target = find_entity(view, a.target);
                if (target == nullptr) return idle_action(entity);
                action.move_action = move_to(target->position);
                action.repair_action = model::RepairAction{a.target};
            }
            return action;
        },
        front.value);
}

}  // namespace

model::Action KeyboardPlayer::get_action(const PlayerView& view, const DebugInterface*) {
    player_id_ = view.my_id;
    auto entities = model::Collection<Entity>::from_iter(view.entities);
    model::Action result;
    for (const auto& entity : view.entities) {
        if (entity.player_id != view.my_id) continue;
        auto& queue = orders_[entity.id];
        settle(queue, entity, view, entities);
        const HighLevelAction front = queue.empty() ? HighLevelAction{} : queue.front();
        result.entity_actions.insert_or_assign(entity.id, choose_action(front, entity, view));
    }
    return result;
}

}  // namespace velmora::keyboard_player
