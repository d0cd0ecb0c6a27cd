#include "velmora/model/build_repair.hpp"

#include <algorithm>
#include <array>
#include <deque>
#include <optional>
#include <span>

#include "velmora/model/attack.hpp"

namespace velmora::model {

namespace {

bool contains(const std::vector<EntityType>& types, EntityType type) {
    return std::find(types.begin(), types.end(), type) != types.end();
}

void shuffled_ready_list(kimbly::rng::Rng& rng, TickState& tick) {
    tick.rebuild_ready_list();
    kimbly::rng::shuffle(rng, std::span<usize>(tick.ready_list));
}

bool square_is_free(const TileMap& tiles, kimbly::Vec2Usize corner, usize size) {
    const usize m = tiles.map_size();
    if (corner.x > m || size > m - corner.x || corner.y > m || size > m - corner.y) return false;
    for (usize x = corner.x; x < corner.x + size; ++x)
        for (usize y = corner.y; y < corner.y + size; ++y)
            if (tiles.at(x, y).kind != Tile::Kind::Empty) return false;
    return true;
}

// What the build rules sum over one owner's entities. Kept for the whole
// build phase instead of summing the collection at every build: attacks do
// not change any of it, and the phase changes it only by the entities it
// adds. Sums wrap like the plain sums would.
struct OwnerTotals {
    std::optional<usize> owner;
    std::array<usize, ENTITY_TYPE_COUNT> of_type{};
    usize population_used = 0;
    usize population_provided = 0;
};

class BuildTotals {
public:
    explicit BuildTotals(const Model& model) {
        const PropertiesByType properties(model.entity_properties.value);
        // Consecutive entities mostly share an owner (resources have none).
        OwnerTotals* last = nullptr;
        for (const Entity& entity : model.entities.iter()) {
            if (last == nullptr || last->owner != entity.player_id) last = &of(entity.player_id);
            add(*last, properties.at(entity.entity_type), entity);
        }
    }

    OwnerTotals& of(const std::optional<usize>& owner) {
        for (OwnerTotals& totals : owners_)
            if (totals.owner == owner) return totals;
        return owners_.emplace_back(OwnerTotals{owner, {}, 0, 0});
    }

private:
    static void add(OwnerTotals& totals, const EntityProperties& properties, const Entity& entity) {
        ++totals.of_type[static_cast<std::size_t>(entity.entity_type)];
        totals.population_used += properties.population_use;
        if (entity.active) totals.population_provided += properties.population_provide;
    }

    // A deque: totals handed out stay where they are as owners are added.
    std::deque<OwnerTotals> owners_;
};

void build(Model& model, TickState& tick, BuildTotals& all_totals, const Entity& builder) {
    const auto& table = model.entity_properties.value;
    const EntityProperties& properties = table.at(builder.entity_type);
    const StoredAction* stored = model.entity_actions.get(builder.id);
    if (stored == nullptr || !stored->action.build_action || !properties.build) return;
    const BuildAction& order = *stored->action.build_action;
    if (!contains(properties.build->options, order.entity_type)) return;

    const usize id = model.next_id++;
    const EntityProperties& built = table.at(order.entity_type);

    // The totals include the builder, which enters the rules through its own
    // terms: take it out.
    OwnerTotals& totals = all_totals.of(builder.player_id);
    const bool same_type = builder.entity_type == order.entity_type;
    const usize of_type = totals.of_type[static_cast<std::size_t>(order.entity_type)] - (same_type ? 1 : 0);
    const usize population_used = totals.population_used - properties.population_use;
    const usize population_provided =
        totals.population_provided - (builder.active ? properties.population_provide : 0);

    const usize count = of_type + (same_type ? 1 : 0);
    const usize cost = built.initial_cost + (built.can_move ? count : 0);
    const usize health = std::min(properties.build->init_health.value_or(built.max_health), built.max_health);

    const bool free = square_is_free(tick.tile_map, order.position, built.size);
    const bool near = square_distance(builder.position, properties.size, order.position, built.size) <= 1;
    Player* owner = builder.player_id ? model.players.get(*builder.player_id) : nullptr;
    const bool affordable = !builder.player_id || (owner != nullptr && cost <= owner->resource);
    const bool population = built.population_use == 0 ||
                            population_used + properties.population_use + built.population_use <=
                                population_provided + properties.population_provide;
    if (!(near && free && affordable && population)) return;

    if (owner != nullptr) owner->resource -= cost;
    for (usize x = order.position.x; x < order.position.x + built.size; ++x)
        for (usize y = order.position.y; y < order.position.y + built.size; ++y)
            tick.tile_map.at(x, y) = Tile::reserved();
    // A new entity starts inactive: it uses population but provides none yet.
    ++totals.of_type[static_cast<std::size_t>(order.entity_type)];
    totals.population_used += built.population_use;
    model.entities.by_id.insert_or_assign(
        id, Entity{id, builder.player_id, order.entity_type, order.position, health, false});
    tick.ready.erase(builder.id);
}

void repair(Model& model, TickState& tick, const Entity& repairer) {
    const auto& table = model.entity_properties.value;
    const EntityProperties& properties = table.at(repairer.entity_type);
    const StoredAction* stored = model.entity_actions.get(repairer.id);
    if (stored == nullptr || !stored->action.repair_action || !properties.repair) return;
    // A repairer never repairs itself.
    const usize target_id = stored->action.repair_action->target;
    Entity* target = target_id == repairer.id ? nullptr : model.entities.get(target_id);
    if (target == nullptr || !contains(properties.repair->valid_targets, target->entity_type)) return;
    const EntityProperties& target_properties = table.at(target->entity_type);
    if (square_distance(repairer.position, properties.size, target->position, target_properties.size) > 1) return;
    if (target->health == 0) return;
    target->health = std::min(target->health + properties.repair->power, target_properties.max_health);
    tick.ready.erase(repairer.id);
}

// Runs `act` for every entity of the shuffled ready list, on a copy of it: a
// build inserts into the collection, which moves the records. Each rule
// leaves the actor out of its own lookups.
template <class Act>
void each_ready(Model& model, kimbly::rng::Rng& rng, TickState& tick, Act act) {
    shuffled_ready_list(rng, tick);
    for (usize id : tick.ready_list) {
        // Only a standing order can make an entity build or repair.
        if (!tick.has_order(model, id)) continue;
        const Entity* found = model.entities.get(id);
        if (found == nullptr) continue;
        const Entity actor = *found;
        act(model, tick, actor);
    }
}

}  // namespace

void build_phase(Model& model, kimbly::rng::Rng& rng, TickState& tick) {
    std::optional<BuildTotals> totals;
    each_ready(model, rng, tick, [&totals](Model& m, TickState& t, const Entity& builder) {
        // Summed at the first entity that may build.
        if (!totals) totals.emplace(m);
        build(m, t, *totals, builder);
    });
}

void repair_phase(Model& model, kimbly::rng::Rng& rng, TickState& tick) { each_ready(model, rng, tick, repair); }

}  // namespace velmora::model
