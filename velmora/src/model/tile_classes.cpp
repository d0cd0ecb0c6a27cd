#include "velmora/model/tile_classes.hpp"

#include <algorithm>
#include <array>

#include "velmora/model/model.hpp"

namespace velmora::model {

std::uint8_t TileClasses::slot_of(const std::optional<usize>& owner) {
    if (!owner) return 0;
    auto found = std::find(owners_.begin(), owners_.end(), *owner);
    if (found != owners_.end()) return static_cast<std::uint8_t>(1 + (found - owners_.begin()));
    if (owners_.size() == MAX_OWNERS) {
        complete_ = false;
        return 0;
    }
    owners_.push_back(*owner);
    return static_cast<std::uint8_t>(owners_.size());
}

void TileClasses::refill(const Model& model) {
    const usize m = model.map_size;
    complete_ = true;
    owners_.clear();
    stride_ = static_cast<std::size_t>(m + 2);
    classes_.assign(stride_ * stride_, OUTSIDE);
    for (usize x = 0; x < m; ++x) std::fill_n(classes_.begin() + static_cast<std::ptrdiff_t>(index({x, 0})), m, 0);
    // A type the table lacks has no square to classify: such a game cannot
    // have a tile map either.
    std::array<std::optional<usize>, ENTITY_TYPE_COUNT> sizes{};
    for (const auto& [type, properties] : model.entity_properties.value) {
        const auto at = static_cast<std::size_t>(type);
        if (at < ENTITY_TYPE_COUNT) sizes[at] = properties.size;
    }
    // Consecutive entities mostly share an owner (resources have none).
    const std::optional<usize>* last_owner = nullptr;
    std::uint8_t slot = 0;
    for (const Entity& entity : model.entities.iter()) {
        const auto type = static_cast<std::size_t>(entity.entity_type);
        if (type >= ENTITY_TYPE_COUNT || !sizes[type]) complete_ = false;
        if (last_owner == nullptr || *last_owner != entity.player_id) {
            slot = slot_of(entity.player_id);
            last_owner = &entity.player_id;
        }
        if (!complete_) return;
        const auto cls = static_cast<std::uint8_t>(1 + type + ENTITY_TYPE_COUNT * slot);
        // Clipped at the map's edge like the tile map.
        const usize size = *sizes[type];
        const usize x_end = std::min(entity.position.x + size, m);
        const usize y_end = std::min(entity.position.y + size, m);
        for (usize x = entity.position.x; x < x_end; ++x)
            for (usize y = entity.position.y; y < y_end; ++y) classes_[index({x, y})] = cls;
    }
}

}  // namespace velmora::model
