#pragma once
// The search of pathfind.hpp as a template over its goal test. Step planning
// runs thousands of searches a tick and calls its goal tests from here
// directly; everyone else goes through the borrowed GoalTest.
#include <cstdint>
#include <vector>

#include <kimbly/panic.hpp>
#include <kimbly/rng.hpp>

#include "velmora/model/pathfind.hpp"
#include "velmora/model/search_queue.hpp"

namespace velmora::model::pathfind::detail {

inline constexpr usize MAX_SEARCH_MAP_SIZE = usize{1} << 16;

inline usize saturating_add(usize a, usize b) { return a > NOT_ENTERABLE - b ? NOT_ENTERABLE : a + b; }

// One per thread. The queue's storage is kept here too so that a search
// does not allocate once the thread has run a few.
struct Scratch {
    StateMap states;
    std::vector<QueueEntry> queue;
    bool borrowed = false;
};

Scratch& scratch();

class Borrow {
public:
    explicit Borrow(Scratch& s) : scratch_(s) {
        // A goal test that searches again would trample the search it runs in.
        if (scratch_.borrowed) kimbly::panic("already borrowed: the pathfinding scratch of this thread is in use");
        scratch_.borrowed = true;
    }
    ~Borrow() {
        scratch_.borrowed = false;
        scratch_.queue.clear();
    }
    Borrow(const Borrow&) = delete;
    Borrow& operator=(const Borrow&) = delete;

private:
    Scratch& scratch_;
};

inline bool same_owner(const Entity& a, const Entity& b) { return a.player_id == b.player_id; }

// A goal test that declares REPEATABLE: its value depends on the cost and
// cell alone and asking has no effect. The search then takes a popped cell's
// value from its queue entry, where the estimate is the cost plus that value,
// instead of asking again.
template <class Goal>
concept RepeatableGoal = requires {
    requires Goal::REPEATABLE;
};

// pathfind() with the goal test `goal(cost, cell)` called directly.
template <class Goal>
SearchResult search(kimbly::rng::Rng& rng, usize map_size, const EntityIndex& entities,
                    const EntityPropertiesTable& properties, const TileMap& tile_map, const SightGrid& sight,
                    const Entity& moving, const Goal& goal, bool break_through, usize node_budget) {
    const EntityProperties& mover = properties.at(moving.entity_type);
    if (mover.size != 1) kimbly::panic("only entities of size 1 can search for a path");
    if (map_size > MAX_SEARCH_MAP_SIZE) kimbly::panic("maps wider than 65536 cells cannot be searched");
    const kimbly::Vec2Usize start = moving.position;

    Scratch& s = scratch();
    Borrow borrow(s);
    StateMap& states = s.states;
    std::vector<QueueEntry>& queue = s.queue;
    states.reset(map_size, map_size);

    const std::uint32_t first_tie_break = rng.next_u32();
    kimbly::Vec2Usize best = start;
    usize best_value = goal(0, start);
    const usize start_value = best_value;
    bool start_popped = false;
    usize best_cost = 0;
    usize ties = 1;

    states.set(start.x, start.y, {0, StateMap::NO_SIDE});
    push(queue,
         {queue_key(0, first_tie_break), 0, static_cast<std::uint16_t>(start.x), static_cast<std::uint16_t>(start.y)});

    usize budget = node_budget;
    while (!queue.empty()) {
        const QueueEntry entry = pop_top(queue);
        const kimbly::Vec2Usize cell{entry.x, entry.y};
        if (*states.cost(cell.x, cell.y) != entry.cost) continue;  // a cheaper path came later

        usize value;
        if constexpr (RepeatableGoal<Goal>) {
            // The start went in with estimate 0 whatever its value; a
            // saturated estimate no longer tells the value.
            const auto estimate = static_cast<usize>(entry.key >> 32);
            value = !start_popped ? start_value : estimate != NOT_ENTERABLE ? estimate - entry.cost : goal(entry.cost, cell);
            start_popped = true;
        } else {
            value = goal(entry.cost, cell);
        }
        if (value < best_value || (value == best_value && entry.cost < best_cost)) {
            best = cell;
            best_value = value;
            best_cost = entry.cost;
            ties = 1;
        } else if (value == best_value && entry.cost == best_cost) {
            // Each of k tied cells ends as the best with probability 1/k.
            ++ties;
            if (kimbly::rng::one_in(rng, ties)) best = cell;
        }

        if (budget == 0) continue;
        --budget;

        for (std::uint8_t side = 0; side < NEIGHBOUR_ORDER.size(); ++side) {
            kimbly::Vec2Usize next;
            if (!neighbour_of(cell, NEIGHBOUR_ORDER[side], map_size, next)) continue;

            usize step_cost = 1;
            // Most cells are empty: the tile answers before the sight grid
            // is read.
            const Tile& tile = tile_map.at(next);
            if (tile.kind == Tile::Kind::Entity && sight.at(next.x, next.y) != 0) {
                if (!break_through) continue;
                const Entity* other = entities.get(tile.id);
                if (other == nullptr || same_owner(*other, moving) || !mover.attack) continue;
                // Damage 0 would never destroy it: not a way through.
                const usize damage = mover.attack->damage;
                if (damage == 0) continue;
                step_cost = other->health / damage + (other->health % damage != 0 ? 1 : 0);
            }

            const usize cost = saturating_add(entry.cost, step_cost);
            if (const usize* known = states.cost(next.x, next.y); known != nullptr && *known <= cost) continue;
            const std::uint32_t tie_break = rng.next_u32();
            const usize h = goal(cost, next);
            if (h == NOT_ENTERABLE) continue;
            states.set(next.x, next.y, {cost, side});
            push(queue, {queue_key(saturating_add(cost, h), tie_break), cost, static_cast<std::uint16_t>(next.x),
                             static_cast<std::uint16_t>(next.y)});
        }
    }

    // Back along the sides the cells were entered from, to the cell just
    // after the start.
    kimbly::Vec2Usize step = best;
    while (step != start) {
        const std::uint8_t side = states.get(step.x, step.y)->side;
        const Offset offset = NEIGHBOUR_ORDER[side];
        const kimbly::Vec2Usize parent{step.x - static_cast<usize>(static_cast<std::int64_t>(offset.dx)),
                                       step.y - static_cast<usize>(static_cast<std::int64_t>(offset.dy))};
        if (parent == start) break;
        step = parent;
    }
    return {best_value, step, best};
}

}  // namespace velmora::model::pathfind::detail
