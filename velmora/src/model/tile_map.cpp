#include "velmora/model/tile_map.hpp"

#include <algorithm>

#include "velmora/model/model.hpp"

namespace velmora::model {

void TileMap::place(const Entity& entity, usize size) {
    // A valid state keeps every square inside the map; clipping only keeps a
    // broken one from writing past the grid.
    const usize x_end = std::min(entity.position.x + size, map_size_);
    const usize y_end = std::min(entity.position.y + size, map_size_);
    for (usize x = entity.position.x; x < x_end; ++x)
        for (usize y = entity.position.y; y < y_end; ++y) at(x, y) = Tile::entity(entity.id);
}

void TileMap::refill(const Model& model) {
    map_size_ = model.map_size;
    tiles_.assign(map_size_ * map_size_, Tile::empty());
    const auto& properties = model.entity_properties.value;
    for (const auto& entity : model.entities.iter()) place(entity, properties.at(entity.entity_type).size);
}

TileMap TileMap::get(const Model& model) {
    TileMap map;
    map.refill(model);
    return map;
}

TileMap TileMap::get_with(usize map_size, std::span<const Entity> entities, const EntityPropertiesTable& properties) {
    TileMap map(map_size);
    for (const auto& entity : entities) map.place(entity, properties.at(entity.entity_type).size);
    return map;
}

}  // namespace velmora::model
