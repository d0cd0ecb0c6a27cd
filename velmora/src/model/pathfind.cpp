#include "velmora/model/pathfind.hpp"

#include "search.hpp"

namespace velmora::model::pathfind {

namespace detail {

Scratch& scratch() {
    thread_local Scratch instance;
    return instance;
}

}  // namespace detail

void StateMap::reset(usize width, usize height) {
    ++generation_;
    stamp_ = static_cast<std::uint32_t>(generation_);
    if (stamp_ == 0) {
        // The cells' stamps wrapped around: clear them so that none of a
        // search four billion searches ago reads as current.
        cells_.assign(cells_.size(), Cell{});
        ++generation_;
        stamp_ = 1;
    }
    if (width == width_ && height == height_) return;
    width_ = width;
    height_ = height;
    cells_.assign(width * height, Cell{});
}

const StateMap& thread_state() { return detail::scratch().states; }

SearchResult pathfind(kimbly::rng::Rng& rng, usize map_size, const Collection<Entity>& entities,
                      const EntityPropertiesTable& properties, const TileMap& tile_map, const SightGrid& sight,
                      const Entity& moving, GoalTest goal, bool break_through, usize node_budget) {
    return pathfind(rng, map_size, EntityIndex(entities), properties, tile_map, sight, moving, goal, break_through,
                    node_budget);
}

SearchResult pathfind(kimbly::rng::Rng& rng, usize map_size, const EntityIndex& entities,
                      const EntityPropertiesTable& properties, const TileMap& tile_map, const SightGrid& sight,
                      const Entity& moving, GoalTest goal, bool break_through, usize node_budget) {
    return detail::search(rng, map_size, entities, properties, tile_map, sight, moving, goal, break_through,
                          node_budget);
}

}  // namespace velmora::model::pathfind
