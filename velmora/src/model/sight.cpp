#include "velmora/model/sight.hpp"

#include <algorithm>

#include "velmora/model/model.hpp"

namespace velmora::model {

namespace {

// One step of the distance transform: `to` keeps the larger of its own sight
// and what `from` has left after one more cell.
inline void carry(usize from, usize& to) {
    if (from > to + 1) to = from - 1;
}

// Each owned square starts at sight + 1; four sweeps (along x both ways, then
// along y both ways) then give every cell the best value over all squares
// minus the Manhattan distance, because that distance splits into its x and y
// parts. The cost is four passes over the map whatever the number of
// entities and their ranges.
void spread(SightGrid& grid) {
    const usize m = grid.map_size;
    if (m == 0) return;
    usize* c = grid.counters.data();
    for (usize x = 1; x < m; ++x)
        for (usize y = 0; y < m; ++y) carry(c[(x - 1) * m + y], c[x * m + y]);
    for (usize x = m - 1; x-- > 0;)
        for (usize y = 0; y < m; ++y) carry(c[(x + 1) * m + y], c[x * m + y]);
    for (usize x = 0; x < m; ++x) {
        usize* column = c + x * m;
        for (usize y = 1; y < m; ++y) carry(column[y - 1], column[y]);
        for (usize y = m - 1; y-- > 0;) carry(column[y + 1], column[y]);
    }
}

}  // namespace

void sight_range_map_into(const Model& model, const Player* player, SightGrid& grid) {
    const usize m = model.map_size;
    grid.map_size = m;
    if (!model.fog_of_war) {
        grid.counters.assign(m * m, 1);
        return;
    }
    grid.counters.assign(m * m, 0);
    const auto& table = model.entity_properties.value;
    for (const auto& entity : model.entities.iter()) {
        if (!entity.player_id) continue;
        if (player != nullptr && *entity.player_id != player->id) continue;
        const auto& properties = table.at(entity.entity_type);
        const usize value = properties.sight_range + 1;
        // Squares lie inside the map in every valid state; clipping keeps a
        // broken one from writing past the grid.
        const usize x_end = std::min(entity.position.x + properties.size, m);
        const usize y_end = std::min(entity.position.y + properties.size, m);
        for (usize x = entity.position.x; x < x_end; ++x)
            for (usize y = entity.position.y; y < y_end; ++y) grid.at(x, y) = std::max(grid.at(x, y), value);
    }
    spread(grid);
}

SightGrid sight_range_map(const Model& model, const Player* player) {
    SightGrid grid;
    sight_range_map_into(model, player, grid);
    return grid;
}

std::map<usize, SightGrid> sight_range_maps(const Model& model) {
    std::map<usize, SightGrid> grids;
    sight_range_maps_into(model, grids);
    return grids;
}

void sight_range_maps_into(const Model& model, std::map<usize, SightGrid>& grids) {
    std::erase_if(grids, [&](const auto& entry) { return model.players.get(entry.first) == nullptr; });
    for (const auto& player : model.players.iter()) sight_range_map_into(model, &player, grids[player.id]);
}

}  // namespace velmora::model
