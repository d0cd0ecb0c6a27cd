#pragma once
// What one tick keeps between its phases. It lives only during one call of
// process_turn; every phase takes the game, the generator and this.
#include <algorithm>
#include <cstddef>
#include <map>
#include <memory>
#include <vector>

#include <kimbly/vec2.hpp>

#include "velmora/model/model.hpp"
#include "velmora/model/pathfind.hpp"
#include "velmora/model/sight.hpp"
#include "velmora/model/tile_classes.hpp"
#include "velmora/model/tile_map.hpp"

namespace velmora::model {

// The entities active at the start of the tick; an entity that attacks,
// builds or repairs leaves it and takes no further phase. Held as the
// ascending ids with a flag each: it is filled once per tick with every
// active entity, resources included, and then only shrinks.
class ReadySet {
public:
    void clear() {
        ids_.clear();
        ready_.clear();
    }
    // Ids must come in ascending order.
    void push_back(usize id) {
        ids_.push_back(id);
        ready_.push_back(1);
    }
    bool contains(usize id) const {
        auto it = std::lower_bound(ids_.begin(), ids_.end(), id);
        return it != ids_.end() && *it == id && ready_[static_cast<std::size_t>(it - ids_.begin())] != 0;
    }
    void erase(usize id) {
        auto it = std::lower_bound(ids_.begin(), ids_.end(), id);
        if (it != ids_.end() && *it == id) ready_[static_cast<std::size_t>(it - ids_.begin())] = 0;
    }
    // The ids still ready, ascending.
    void list(std::vector<usize>& out) const {
        out.clear();
        for (std::size_t i = 0; i < ids_.size(); ++i)
            if (ready_[i] != 0) out.push_back(ids_[i]);
    }

private:
    std::vector<usize> ids_;
    std::vector<char> ready_;
};

struct TickState {
    ReadySet ready;
    // The ready ids in the order the current phase visits them.
    std::vector<usize> ready_list;
    // Occupancy at the start of the tick, plus the cells reserved by the
    // build phase.
    TileMap tile_map;
    // Every player's sight grid, by player id; shared with the views of the
    // same state.
    std::map<usize, std::shared_ptr<const SightGrid>> sight_grids;
    // The neighbouring cell each unit wants to enter this tick.
    std::map<usize, kimbly::Vec2Usize> step_plan;
    std::vector<Event> events;
    // The game's entities for step planning, during which none change.
    EntityIndex entity_index;
    // The start tile map's classes, for the automatic-attack searches.
    TileClasses tile_classes;
    // By entity id: ORDERED when the entity has a standing action, PLANNED
    // when it has a step in the plan. Most ready entities are resources with
    // neither, and the phases pass over them without a map lookup. Ids past
    // the end are looked up in the game instead.
    static constexpr char ORDERED = 1;
    static constexpr char PLANNED = 2;
    std::vector<char> marks;

    // The ready set as an ascending list.
    void rebuild_ready_list() { ready.list(ready_list); }

    bool has_order(const Model& model, usize id) const {
        if (id < marks.size()) return (marks[id] & ORDERED) != 0;
        return model.entity_actions.get(id) != nullptr;
    }
    // Whether the entity may act in the attack phase: it has an order or a
    // cell to break through into.
    bool may_attack(const Model& model, usize id) const {
        if (id < marks.size()) return marks[id] != 0;
        return model.entity_actions.get(id) != nullptr || step_plan.contains(id);
    }
    void plan_step(usize id, kimbly::Vec2Usize cell) {
        step_plan[id] = cell;
        if (id < marks.size()) marks[id] |= PLANNED;
    }
};

// Fills `tick` with the ready set, the start tile map, the sight grids and the
// ascending ready list of the game as it stands, and empties the rest. The
// storage of an earlier tick is reused: the grids alone are hundreds of
// kilobytes, and allocating them afresh every tick costs more than filling
// them.
void start_tick(const Model& model, TickState& tick);

}  // namespace velmora::model
