#include "velmora/model/sight.hpp"

#include <algorithm>
#include <span>
#include <vector>

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

// Gives every cell within reach of the square [x0, x1) x [y0, y1) at least
// `value` minus its Manhattan distance to the square's nearest cell. The same
// as seeding the square and spreading, but it touches only the diamond
// around the square instead of the whole map.
void stamp(SightGrid& grid, usize x0, usize x1, usize y0, usize y1, usize value) {
    const usize m = grid.map_size;
    // Beyond the map's side the reach makes no difference.
    const usize reach = std::min(value - 1, m);
    const usize x_begin = x0 > reach ? x0 - reach : 0;
    const usize x_end = std::min(x1 - 1 + reach, m - 1);
    usize* c = grid.counters.data();
    for (usize x = x_begin; x <= x_end; ++x) {
        const usize dx = x < x0 ? x0 - x : (x >= x1 ? x - (x1 - 1) : 0);
        const usize left = value - dx;  // dx <= reach, so at least 1
        const usize y_reach = std::min(left - 1, m);
        const usize y_begin = y0 > y_reach ? y0 - y_reach : 0;
        const usize y_end = std::min(y1 - 1 + y_reach, m - 1);
        usize* column = c + x * m;
        for (usize y = y_begin; y <= y_end; ++y) {
            const usize dy = y < y0 ? y0 - y : (y >= y1 ? y - (y1 - 1) : 0);
            const usize here = left - dy;
            if (here > column[y]) column[y] = here;
        }
    }
}

// Fills `grid` from the squares of `owned`, the entities whose sight counts.
void fill_grid(const Model& model, std::span<const Entity* const> owned, SightGrid& grid) {
    const usize m = model.map_size;
    grid.map_size = m;
    if (!model.fog_of_war) {
        grid.counters.assign(m * m, 1);
        return;
    }
    grid.counters.assign(m * m, 0);
    if (m == 0) return;
    const auto& table = model.entity_properties.value;
    // Stamping costs about the area of each entity's diamond, spreading four
    // passes over the map: stamp while the diamonds are the cheaper.
    usize stamped_area = 0;
    const usize spread_cost = 4 * m * m;
    for (const Entity* entity : owned) {
        const auto& properties = table.at(entity->entity_type);
        const usize side = std::min(properties.size, m) + 2 * std::min(properties.sight_range, m);
        stamped_area += side * side / 2 + 1;
        if (stamped_area > spread_cost) break;
    }
    const bool by_stamps = stamped_area <= spread_cost;
    for (const Entity* entity : owned) {
        const auto& properties = table.at(entity->entity_type);
        const usize value = properties.sight_range + 1;
        // Squares lie inside the map in every valid state; clipping keeps a
        // broken one from writing past the grid.
        const usize x_end = std::min(entity->position.x + properties.size, m);
        const usize y_end = std::min(entity->position.y + properties.size, m);
        if (entity->position.x >= x_end || entity->position.y >= y_end) continue;
        // A range so large that sight + 1 wraps to 0 sees nothing.
        if (value == 0) continue;
        if (by_stamps) {
            stamp(grid, entity->position.x, x_end, entity->position.y, y_end, value);
            continue;
        }
        for (usize x = entity->position.x; x < x_end; ++x)
            for (usize y = entity->position.y; y < y_end; ++y) grid.at(x, y) = std::max(grid.at(x, y), value);
    }
    if (!by_stamps) spread(grid);
}

}  // namespace

void sight_range_map_into(const Model& model, const Player* player, SightGrid& grid) {
    thread_local std::vector<const Entity*> owned;
    owned.clear();
    if (model.fog_of_war) {
        for (const auto& entity : model.entities.iter()) {
            if (!entity.player_id) continue;
            if (player != nullptr && *entity.player_id != player->id) continue;
            owned.push_back(&entity);
        }
    }
    fill_grid(model, owned, grid);
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
    // One walk over the collection sorts the owned entities by player.
    thread_local std::map<usize, std::vector<const Entity*>> owned;
    for (auto& [id, list] : owned) list.clear();
    if (model.fog_of_war) {
        for (const auto& entity : model.entities.iter())
            if (entity.player_id) owned[*entity.player_id].push_back(&entity);
    }
    static const std::vector<const Entity*> NONE;
    for (const auto& player : model.players.iter()) {
        auto found = owned.find(player.id);
        fill_grid(model, found != owned.end() ? found->second : NONE, grids[player.id]);
    }
}

}  // namespace velmora::model
