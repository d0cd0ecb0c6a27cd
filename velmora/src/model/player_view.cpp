#include "velmora/model/player_view.hpp"

#include <algorithm>
#include <array>
#include <string>
#include <utility>
#include <vector>

#include <kimbly/panic.hpp>

#include "velmora/model/model.hpp"
#include "velmora/model/sight.hpp"

namespace velmora::model {

namespace {

bool sees_square(const SightGrid& grid, kimbly::Vec2Usize corner, usize size) {
    const usize m = grid.map_size;
    // Most entities are single cells: units and resources.
    if (size == 1) return corner.x < m && corner.y < m && grid.at(corner.x, corner.y) != 0;
    const usize x_end = std::min(corner.x + size, m);
    const usize y_end = std::min(corner.y + size, m);
    for (usize x = corner.x; x < x_end; ++x) {
        const usize* column = grid.counters.data() + x * m;
        for (usize y = corner.y; y < y_end; ++y)
            if (column[y] != 0) return true;
    }
    return false;
}

}  // namespace

PlayerView player_view_without_entities(const Model& model, const Player& player, std::vector<SeenEntity>& seen) {
    if (player.index >= FRAME_COUNT) no_frame(player.index);
    // The tick that follows the views plans with the same grids. Without fog
    // every cell of the map is visible and no grid is read.
    std::shared_ptr<const SightGrid> shared_grid;
    if (model.fog_of_war) shared_grid = shared_sight_range_map(model, &player);

    const auto& table = model.entity_properties.value;
    std::array<usize, ENTITY_TYPE_COUNT> sizes{};
    for (const auto& [type, properties] : table) sizes.at(static_cast<std::size_t>(type)) = properties.size;

    PlayerView view;
    view.my_id = player.id;
    view.map_size = model.map_size;
    view.fog_of_war = model.fog_of_war;
    view.entity_properties = table;
    view.max_tick_count = model.max_tick_count;
    view.max_pathfind_nodes = model.max_pathfind_nodes;
    view.current_tick = model.current_tick;

    const usize player_count = model.players.by_id.size();
    view.players.resize(player_count);
    for (const auto& other : model.players.iter()) {
        if (other.index < player_count) view.players[other.index] = {other.id, other.score, other.resource};
    }

    // The collection is ordered by id, so the list comes out ascending by id.
    seen.clear();
    seen.reserve(model.entities.by_id.size());
    if (!shared_grid) {
        const usize m = model.map_size;
        for (const auto& entity : model.entities.iter()) {
            const usize size = sizes.at(static_cast<std::size_t>(entity.entity_type));
            // A square is seen when any of its cells lies on the map: in a
            // valid state, always.
            const bool on_map = size != 0 && entity.position.x < m && entity.position.y < m;
            if (entity.player_id != player.id && !on_map) continue;
            seen.push_back({&entity, size});
        }
        return view;
    }
    const SightGrid& grid = *shared_grid;
    for (const auto& entity : model.entities.iter()) {
        const usize size = sizes.at(static_cast<std::size_t>(entity.entity_type));
        if (entity.player_id != player.id && !sees_square(grid, entity.position, size)) continue;
        seen.push_back({&entity, size});
    }
    return view;
}

PlayerView player_view(const Model& model, const Player& player) {
    // Picked first, so that the view's list is allocated once at its final
    // size instead of growing through copies of thousands of entities.
    thread_local std::vector<SeenEntity> seen;
    PlayerView view = player_view_without_entities(model, player, seen);
    view.entities.reserve(seen.size());
    for (const SeenEntity& entity : seen) view.entities.push_back(entity_in_frame(entity, player.index, model.map_size));
    return view;
}

const Player& viewer_with_index(const Model& model, usize player_index) {
    for (const auto& player : model.players.iter()) {
        if (player.index == player_index) return player;
    }
    kimbly::panic("no player has index " + std::to_string(player_index));
}

PlayerView player_view(const Model& model, usize player_index) {
    return player_view(model, viewer_with_index(model, player_index));
}

}  // namespace velmora::model
