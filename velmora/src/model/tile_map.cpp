#include "velmora/model/tile_map.hpp"

#include "velmora/model/model.hpp"

namespace velmora::model {

void TileMap::refill(const Model& model) {
    map_size_ = model.map_size;
    tiles_.assign(map_size_ * map_size_, Tile::empty());
    const PropertiesByType properties(model.entity_properties.value);
    for (const auto& entity : model.entities.iter()) place(entity, properties.at(entity.entity_type).size);
}

TileMap TileMap::get(const Model& model) {
    TileMap map;
    map.refill(model);
    return map;
}

TileMap TileMap::get_with(usize map_size, std::span<const Entity> entities, const EntityPropertiesTable& properties) {
    TileMap map(map_size);
    const PropertiesByType by_type(properties);
    for (const auto& entity : entities) map.place(entity, by_type.at(entity.entity_type).size);
    return map;
}

}  // namespace velmora::model
