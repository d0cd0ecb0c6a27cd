#pragma once
// The search of pathfind.hpp as a template over its goal test. Step planning
// runs thousands of searches a tick and calls its goal tests from here
// directly; everyone else goes through the borrowed GoalTest.
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include <kimbly/panic.hpp>
#include <kimbly/rng.hpp>

#include "velmora/model/pathfind.hpp"
#include "velmora/model/search_queue.hpp"
#include "velmora/model/tile_classes.hpp"

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

// What lies past each side of a cell, read from the tile map and the owner's
// sight grid: a cell outside the map cannot be entered, nor a seen entity's
// unless the search breaks through it at the price of the attacks that
// destroy it.
class TileSteps {
public:
    TileSteps(usize map_size, const EntityIndex& entities, const TileMap& tile_map, const SightGrid& sight,
              const Entity& moving, const EntityProperties& mover, bool break_through)
        : map_size_(map_size),
          entities_(entities),
          tile_map_(tile_map),
          sight_(sight),
          moving_(moving),
          mover_(mover),
          break_through_(break_through) {}

    // Whether the search may step from `cell` through `side`; if so, into
    // `next` at `step_cost`.
    bool step(kimbly::Vec2Usize cell, std::uint8_t side, kimbly::Vec2Usize& next, usize& step_cost) const {
        if (!neighbour_of(cell, NEIGHBOUR_ORDER[side], map_size_, next)) return false;
        step_cost = 1;
        // Most cells are empty: the tile answers before the sight grid is
        // read.
        const Tile& tile = tile_map_.at(next);
        if (tile.kind != Tile::Kind::Entity || sight_.at(next.x, next.y) == 0) return true;
        if (!break_through_) return false;
        const Entity* other = entities_.get(tile.id);
        if (other == nullptr || same_owner(*other, moving_) || !mover_.attack) return false;
        // Damage 0 would never destroy it: not a way through.
        const usize damage = mover_.attack->damage;
        if (damage == 0) return false;
        step_cost = other->health / damage + (other->health % damage != 0 ? 1 : 0);
        return true;
    }

private:
    usize map_size_;
    const EntityIndex& entities_;
    const TileMap& tile_map_;
    const SightGrid& sight_;
    const Entity& moving_;
    const EntityProperties& mover_;
    bool break_through_;
};

// The same for a search that never breaks through, from the tile classes of
// the same tile map, which must be complete and hold no reserved cells (as
// at the start of a tick): the class tells a free cell from an entity's and
// from the border, so the map's bounds and the wide tiles are never read.
class ClassSteps {
public:
    ClassSteps(const TileClasses& classes, const SightGrid& sight) : classes_(classes), sight_(sight) {
        const auto stride = static_cast<std::ptrdiff_t>(classes.stride());
        for (std::size_t side = 0; side < NEIGHBOUR_ORDER.size(); ++side)
            delta_[side] = NEIGHBOUR_ORDER[side].dx * stride + NEIGHBOUR_ORDER[side].dy;
    }

    bool step(kimbly::Vec2Usize cell, std::uint8_t side, kimbly::Vec2Usize& next, usize& step_cost) const {
        const auto at = static_cast<std::ptrdiff_t>(classes_.index(cell)) + delta_[side];
        const std::uint8_t cls = classes_.at(static_cast<std::size_t>(at));
        if (cls == TileClasses::OUTSIDE) return false;
        const Offset offset = NEIGHBOUR_ORDER[side];
        next = {cell.x + static_cast<usize>(static_cast<std::int64_t>(offset.dx)),
                cell.y + static_cast<usize>(static_cast<std::int64_t>(offset.dy))};
        if (cls != 0 && sight_.at(next.x, next.y) != 0) return false;
        step_cost = 1;
        return true;
    }

private:
    const TileClasses& classes_;
    const SightGrid& sight_;
    std::array<std::ptrdiff_t, NEIGHBOUR_ORDER.size()> delta_{};
};

// pathfind() with the goal test `goal(cost, cell)` called directly and the
// cells around each expanded one read through `steps`.
template <class Goal, class Steps>
SearchResult search_with(kimbly::rng::Rng& rng, usize map_size, const EntityProperties& mover, const Entity& moving,
                         const Goal& goal, const Steps& steps, usize node_budget) {
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
            usize step_cost;
            if (!steps.step(cell, side, next, step_cost)) continue;

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

// pathfind() with the goal test `goal(cost, cell)` called directly.
template <class Goal>
SearchResult search(kimbly::rng::Rng& rng, usize map_size, const EntityIndex& entities,
                    const EntityPropertiesTable& properties, const TileMap& tile_map, const SightGrid& sight,
                    const Entity& moving, const Goal& goal, bool break_through, usize node_budget) {
    const EntityProperties& mover = properties.at(moving.entity_type);
    const TileSteps steps(map_size, entities, tile_map, sight, moving, mover, break_through);
    return search_with(rng, map_size, mover, moving, goal, steps, node_budget);
}

}  // namespace velmora::model::pathfind::detail
