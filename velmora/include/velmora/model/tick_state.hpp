#pragma once
// What one tick keeps between its phases. It lives only during one call of
// process_turn; every phase takes the game, the generator and this.
#include <map>
#include <set>
#include <vector>

#include <kimbly/vec2.hpp>

#include "velmora/model/model.hpp"
#include "velmora/model/sight.hpp"
#include "velmora/model/tile_map.hpp"

namespace velmora::model {

struct TickState {
    // The entities active at the start of the tick; an entity that attacks,
    // builds or repairs leaves it and takes no further phase.
    std::set<usize> ready;
    // The ready ids in the order the current phase visits them.
    std::vector<usize> ready_list;
    // Occupancy at the start of the tick, plus the cells reserved by the
    // build phase.
    TileMap tile_map;
    // Every player's sight grid, by player id.
    std::map<usize, SightGrid> sight_grids;
    // The neighbouring cell each unit wants to enter this tick.
    std::map<usize, kimbly::Vec2Usize> step_plan;
    std::vector<Event> events;

    // The ready set as an ascending list.
    void rebuild_ready_list() { ready_list.assign(ready.begin(), ready.end()); }
};

// The ready set, the start tile map, the sight grids and the ascending ready
// list of the game as it stands.
TickState start_tick(const Model& model);

}  // namespace velmora::model
