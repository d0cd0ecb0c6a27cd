#include "velmora/model/turn.hpp"

#include <algorithm>
#include <set>

#include <kimbly/logger.hpp>

#include "velmora/model/attack.hpp"
#include "velmora/model/build_repair.hpp"
#include "velmora/model/movement.hpp"
#include "velmora/model/sight.hpp"
#include "velmora/model/step_plan.hpp"
#include "velmora/model/tick_state.hpp"
#include "velmora/model/tile_map.hpp"

namespace velmora::model {

namespace {

constexpr const char* LOG_TARGET = "velmora::model::turn";
constexpr usize MAX_MARKED_ID = usize{1} << 22;

const Player* player_with_index(const Model& model, usize index) {
    for (const Player& player : model.players.iter())
        if (player.index == index) return &player;
    return nullptr;
}

// A client may name any number of entities that do not exist or are not its
// own; each is a line of the log. Only the first few of a tick are written,
// then how many more there were, so one client cannot flood the log.
constexpr usize MAX_LOGGED_ORDER_ERRORS = 10;

class OrderErrors {
public:
    void report(const char* message) {
        if (logged_ < MAX_LOGGED_ORDER_ERRORS) {
            kimbly::logger::error(LOG_TARGET, "{}", message);
            ++logged_;
        } else {
            ++unlogged_;
        }
    }

    void summarize() const {
        if (unlogged_ > 0)
            kimbly::logger::error(LOG_TARGET, "{} more orders for missing or foreign entities were dropped",
                                  unlogged_);
    }

private:
    usize logged_ = 0;
    usize unlogged_ = 0;
};

void store_orders(Model& model, std::map<usize, Action>& actions) {
    OrderErrors errors;
    for (auto& [player_index, action] : actions) {
        // The caller sends only the indices of existing players.
        const Player* player = player_with_index(model, player_index);
        if (player == nullptr) continue;
        for (auto& [entity_id, entity_action] : action.entity_actions) {
            const Entity* entity = model.entities.get(entity_id);
            if (entity == nullptr) {
                errors.report("Got action for non-existent entity");
                continue;
            }
            if (entity->player_id != player->id) {
                errors.report("Got action for entity not belonging to the player");
                continue;
            }
            // The new order replaces the old one whole: an order with no
            // parts stops the entity.
            model.entity_actions.by_id.insert_or_assign(entity_id, StoredAction{entity_id, std::move(entity_action)});
        }
    }
    errors.summarize();
}

void remove_dead(Model& model) {
    erase_if(model.entities.by_id, [](const auto& entry) { return entry.second.health == 0; });
}

void activate_finished(Model& model) {
    const auto& table = model.entity_properties.value;
    for (Entity& entity : model.entities.iter_mut()) {
        if (entity.active) continue;
        const EntityProperties& properties = table.at(entity.entity_type);
        if (entity.health != properties.max_health) continue;
        entity.active = true;
        if (!entity.player_id) continue;
        if (Player* owner = model.players.get(*entity.player_id)) owner->score += properties.build_score;
    }
}

void pay_income(Model& model) {
    for (Player& player : model.players.iter_mut()) player.resource += model.passive_income;
}

// With two players, once only one of them owns anything, it takes the
// other's score as well; the other keeps its own.
void reward_lone_survivor(Model& model) {
    if (model.players.by_id.size() != 2) return;
    std::set<usize> owners;
    for (const Entity& entity : model.entities.iter())
        if (entity.player_id) owners.insert(*entity.player_id);
    if (owners.size() != 1) return;
    const usize survivor_id = *owners.begin();
    usize others = 0;
    for (const Player& player : model.players.iter())
        if (player.id != survivor_id) others += player.score;
    if (Player* survivor = model.players.get(survivor_id)) survivor->score += others;
}

}  // namespace

void start_tick(const Model& model, TickState& tick) {
    tick.ready.clear();
    for (const Entity& entity : model.entities.iter())
        if (entity.active) tick.ready.push_back(entity.id);
    tick.tile_map.refill(model);
    shared_sight_range_maps(model, tick.sight_grids);
    tick.rebuild_ready_list();
    tick.step_plan.clear();
    tick.events.clear();
    // Ids are handed out in order, so next_id bounds them in a valid state; a
    // loaded state with a far larger next_id falls back to lookups.
    tick.marks.assign(static_cast<std::size_t>(std::min<usize>(model.next_id, MAX_MARKED_ID)), 0);
    for (const auto& [id, stored] : model.entity_actions.by_id)
        if (id < tick.marks.size()) tick.marks[id] |= TickState::ORDERED;
}

std::vector<Event> process_turn(Model& model, kimbly::rng::Rng& rng, std::map<usize, Action> actions) {
    store_orders(model, actions);
    // One per thread, reused from tick to tick; ticks on one thread never nest.
    thread_local TickState tick;
    start_tick(model, tick);
    plan_steps(model, rng, tick);
    attack_phase(model, rng, tick);
    build_phase(model, rng, tick);
    repair_phase(model, rng, tick);
    move_units(model, rng, tick);
    remove_dead(model);
    activate_finished(model);
    pay_income(model);
    model.current_tick += 1;
    reward_lone_survivor(model);
    return std::move(tick.events);
}

}  // namespace velmora::model
