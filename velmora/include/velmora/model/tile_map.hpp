#pragma once
// Which entity covers each cell of the map. Turn processing takes one at the
// start of a tick and reads it through the whole tick: moves and deaths
// during the tick do not change it, only buildings placed in the tick mark
// their cells as reserved.
#include <algorithm>
#include <cstdint>
#include <span>
#include <vector>

#include <kimbly/vec2.hpp>

#include "velmora/model/entity.hpp"
#include "velmora/model/entity_properties.hpp"

namespace velmora::model {

struct Model;

struct Tile {
    enum class Kind : std::uint8_t {
        Empty,
        // Covered by the entity `id`.
        Entity,
        // Taken by a building placed during the current tick; holds no id.
        Reserved,
    };

    Kind kind = Kind::Empty;
    usize id = 0;

    static constexpr Tile empty() { return {}; }
    static constexpr Tile entity(usize id) { return {Kind::Entity, id}; }
    static constexpr Tile reserved() { return {Kind::Reserved, 0}; }

    bool operator==(const Tile&) const = default;
};

// map_size columns of map_size tiles, stored flat with x as the outer index.
class TileMap {
public:
    TileMap() = default;
    explicit TileMap(usize map_size) : map_size_(map_size), tiles_(map_size * map_size) {}

    // Every cell of every entity's square, in the collection's order: where
    // two squares share a cell, the later entity holds it.
    static TileMap get(const Model& model);
    // The same from a list of entities, for callers that hold a view instead
    // of the game.
    static TileMap get_with(usize map_size, std::span<const Entity> entities, const EntityPropertiesTable& properties);

    usize map_size() const { return map_size_; }
    bool contains(usize x, usize y) const { return x < map_size_ && y < map_size_; }
    const Tile& at(usize x, usize y) const { return tiles_[x * map_size_ + y]; }
    Tile& at(usize x, usize y) { return tiles_[x * map_size_ + y]; }
    const Tile& at(kimbly::Vec2Usize cell) const { return at(cell.x, cell.y); }
    Tile& at(kimbly::Vec2Usize cell) { return at(cell.x, cell.y); }

    // Makes this the tile map of `model`, keeping the storage when the size
    // is the same.
    void refill(const Model& model);

    // Marks the entity's square; cells past the map's edge are left out.
    void place(const Entity& entity, usize size) {
        // A valid state keeps every square inside the map; clipping only
        // keeps a broken one from writing past the grid.
        const usize x_end = std::min(entity.position.x + size, map_size_);
        const usize y_end = std::min(entity.position.y + size, map_size_);
        for (usize x = entity.position.x; x < x_end; ++x)
            for (usize y = entity.position.y; y < y_end; ++y) at(x, y) = Tile::entity(entity.id);
    }

    bool operator==(const TileMap&) const = default;

private:
    usize map_size_ = 0;
    std::vector<Tile> tiles_;
};

}  // namespace velmora::model
