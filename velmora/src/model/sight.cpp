#include "velmora/model/sight.hpp"

#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>
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

// One square whose sight counts, clipped to the map, with the sight it
// starts with and what stamping it would cost.
struct SightSource {
    usize x0;
    usize x1;
    usize y0;
    usize y1;
    // sight_range + 1; 0 when that wrapped, and the square then sees nothing.
    usize value;
    usize stamp_area;

    bool operator==(const SightSource&) const = default;
};

// Everything a grid is computed from.
struct SightInputs {
    usize map_size = 0;
    bool fog_of_war = false;
    std::vector<SightSource> sources;

    bool operator==(const SightInputs&) const = default;
};

SightSource source_of(const Entity& entity, const EntityProperties& properties, usize m) {
    // Squares lie inside the map in every valid state; clipping keeps a
    // broken one from writing past the grid.
    const usize side = std::min(properties.size, m) + 2 * std::min(properties.sight_range, m);
    return {entity.position.x,
            std::min(entity.position.x + properties.size, m),
            entity.position.y,
            std::min(entity.position.y + properties.size, m),
            properties.sight_range + 1,
            side * side / 2 + 1};
}

void start_inputs(const Model& model, SightInputs& inputs) {
    inputs.map_size = model.map_size;
    inputs.fog_of_war = model.fog_of_war;
    inputs.sources.clear();
}

// The squares of `player`'s entities, or of every owned entity when it is
// null; none with fog of war off, where every cell is visible.
void gather(const Model& model, const Player* player, SightInputs& inputs) {
    start_inputs(model, inputs);
    if (!model.fog_of_war) return;
    const PropertiesByType properties(model.entity_properties.value);
    for (const auto& entity : model.entities.iter()) {
        if (!entity.player_id) continue;
        if (player != nullptr && *entity.player_id != player->id) continue;
        inputs.sources.push_back(source_of(entity, properties.at(entity.entity_type), model.map_size));
    }
}

// Fills `grid` from `inputs`.
void fill_grid(const SightInputs& inputs, SightGrid& grid) {
    const usize m = inputs.map_size;
    grid.map_size = m;
    if (!inputs.fog_of_war) {
        grid.counters.assign(m * m, 1);
        return;
    }
    grid.counters.assign(m * m, 0);
    if (m == 0) return;
    // Stamping costs about the area of each entity's diamond, spreading four
    // passes over the map: stamp while the diamonds are the cheaper.
    usize stamped_area = 0;
    const usize spread_cost = 4 * m * m;
    for (const SightSource& source : inputs.sources) {
        stamped_area += source.stamp_area;
        if (stamped_area > spread_cost) break;
    }
    const bool by_stamps = stamped_area <= spread_cost;
    for (const SightSource& source : inputs.sources) {
        if (source.x0 >= source.x1 || source.y0 >= source.y1) continue;
        // A range so large that sight + 1 wraps to 0 sees nothing.
        if (source.value == 0) continue;
        if (by_stamps) {
            stamp(grid, source.x0, source.x1, source.y0, source.y1, source.value);
            continue;
        }
        for (usize x = source.x0; x < source.x1; ++x)
            for (usize y = source.y0; y < source.y1; ++y) grid.at(x, y) = std::max(grid.at(x, y), source.value);
    }
    if (!by_stamps) spread(grid);
}

// Grids recently computed on this thread with what they were computed from.
// A handful covers the views of a tick and the tick that follows them.
class SharedGrids {
public:
    std::shared_ptr<const SightGrid> get(SightInputs& inputs) {
        ++clock_;
        for (Entry& entry : entries_) {
            if (entry.grid && entry.inputs == inputs) {
                entry.last_use = clock_;
                return entry.grid;
            }
        }
        Entry& oldest = *std::min_element(entries_.begin(), entries_.end(),
                                          [](const Entry& a, const Entry& b) { return a.last_use < b.last_use; });
        // A grid still held elsewhere must not change under its holder.
        if (!oldest.grid || oldest.grid.use_count() > 1) oldest.grid = std::make_shared<SightGrid>();
        std::swap(oldest.inputs, inputs);
        oldest.last_use = clock_;
        fill_grid(oldest.inputs, *oldest.grid);
        return oldest.grid;
    }

private:
    struct Entry {
        SightInputs inputs;
        std::shared_ptr<SightGrid> grid;
        std::uint64_t last_use = 0;
    };
    static constexpr std::size_t SIZE = 8;

    std::array<Entry, SIZE> entries_;
    std::uint64_t clock_ = 0;
};

SharedGrids& shared_grids() {
    thread_local SharedGrids grids;
    return grids;
}

}  // namespace

void sight_range_map_into(const Model& model, const Player* player, SightGrid& grid) {
    thread_local SightInputs inputs;
    gather(model, player, inputs);
    fill_grid(inputs, grid);
}

SightGrid sight_range_map(const Model& model, const Player* player) {
    SightGrid grid;
    sight_range_map_into(model, player, grid);
    return grid;
}

std::shared_ptr<const SightGrid> shared_sight_range_map(const Model& model, const Player* player) {
    thread_local SightInputs inputs;
    gather(model, player, inputs);
    return shared_grids().get(inputs);
}

std::map<usize, SightGrid> sight_range_maps(const Model& model) {
    std::map<usize, SightGrid> grids;
    sight_range_maps_into(model, grids);
    return grids;
}

namespace {

// Every player's inputs from one walk over the collection, by player id.
std::map<usize, SightInputs>& gather_each(const Model& model) {
    thread_local std::map<usize, SightInputs> each;
    std::erase_if(each, [&](const auto& entry) { return model.players.get(entry.first) == nullptr; });
    for (const auto& player : model.players.iter()) start_inputs(model, each[player.id]);
    if (!model.fog_of_war) return each;
    const PropertiesByType properties(model.entity_properties.value);
    // Consecutive entities mostly share an owner.
    SightInputs* last = nullptr;
    usize last_owner = 0;
    for (const auto& entity : model.entities.iter()) {
        if (!entity.player_id) continue;
        if (last == nullptr || last_owner != *entity.player_id) {
            auto found = each.find(*entity.player_id);
            if (found == each.end()) continue;
            last = &found->second;
            last_owner = *entity.player_id;
        }
        last->sources.push_back(source_of(entity, properties.at(entity.entity_type), model.map_size));
    }
    return each;
}

}  // namespace

void sight_range_maps_into(const Model& model, std::map<usize, SightGrid>& grids) {
    std::erase_if(grids, [&](const auto& entry) { return model.players.get(entry.first) == nullptr; });
    for (auto& [id, inputs] : gather_each(model)) fill_grid(inputs, grids[id]);
}

void shared_sight_range_maps(const Model& model, std::map<usize, std::shared_ptr<const SightGrid>>& grids) {
    std::erase_if(grids, [&](const auto& entry) { return model.players.get(entry.first) == nullptr; });
    for (auto& [id, inputs] : gather_each(model)) grids[id] = shared_grids().get(inputs);
}

}  // namespace velmora::model
