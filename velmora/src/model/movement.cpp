#include "velmora/model/movement.hpp"

#include <map>
#include <utility>
#include <vector>

namespace velmora::model {

void move_units(Model& model, kimbly::rng::Rng& rng, const TickState& tick) {
    // Keyed by (x, y): start cells come out in that order. The step plan is
    // ordered by id, so every candidate list is already ascending.
    std::map<std::pair<usize, usize>, std::vector<usize>> candidates;
    for (const auto& [id, cell] : tick.step_plan)
        if (tick.ready.contains(id)) candidates[{cell.x, cell.y}].push_back(id);

    std::vector<std::pair<usize, usize>> starts;
    for (const auto& [cell, ids] : candidates)
        if (tick.tile_map.at(cell.first, cell.second).kind == Tile::Kind::Empty) starts.push_back(cell);

    for (auto cell : starts) {
        // Every cell after the first was left by the unit before it, so it
        // was occupied at the start and is never a start cell itself: each
        // chain ends where nobody planned to enter.
        for (auto it = candidates.find(cell); it != candidates.end(); it = candidates.find(cell)) {
            const std::vector<usize>& ids = it->second;
            const usize chosen = ids[kimbly::rng::choose_index(rng, ids.size())];
            candidates.erase(it);
            Entity* unit = model.entities.get(chosen);
            if (unit == nullptr) break;
            const kimbly::Vec2Usize left = unit->position;
            unit->position = {cell.first, cell.second};
            cell = {left.x, left.y};
        }
    }
}

}  // namespace velmora::model
