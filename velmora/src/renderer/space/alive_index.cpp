#include "velmora/renderer/space/alive_index.hpp"

#include <algorithm>

namespace velmora::renderer::space {

namespace {

model::EntityType type_of(const AliveEntity& entry) { return entry.entity->entity_type; }

}  // namespace

AliveIndex::AliveIndex(const Scene& scene, std::span<const model::usize> alive) {
    for (model::usize id : alive) {
        const model::Entity* entity = find_entity(scene.state, id);
        if (entity == nullptr || entity->entity_type == model::EntityType::Resource) continue;
        entries_.push_back({id, entity, interpolated_entity(scene, id, scene.t())});
    }
    by_type_ = entries_;
    std::ranges::stable_sort(by_type_, {}, type_of);
}

std::span<const AliveEntity> AliveIndex::of_type(model::EntityType type) const {
    const auto [first, last] = std::ranges::equal_range(by_type_, type, {}, type_of);
    return {first, last};
}

}  // namespace velmora::renderer::space
