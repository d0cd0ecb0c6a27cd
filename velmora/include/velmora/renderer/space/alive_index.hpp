#pragma once
// The alive ships and buildings of the shown tick, each found and moved once
// per frame. The view draws them in many passes (a type, a player, a part);
// each pass walks only its own type's entries instead of looking up and
// interpolating every alive id again.
#include <optional>
#include <span>
#include <vector>

#include "velmora/renderer/space/scene.hpp"

namespace velmora::renderer::space {

struct AliveEntity {
    model::usize id = 0;
    // In the shown state, else in the state before.
    const model::Entity* entity = nullptr;
    // Its motion at the shown moment; none, reported, when its data is broken.
    std::optional<entity::InterpolatedEntity> moment;
};

class AliveIndex {
public:
    // The ids of `alive` that name an entity. Resources are left out: the
    // view draws them from the shown state alone.
    AliveIndex(const Scene& scene, std::span<const model::usize> alive);

    // In the order of `alive`.
    std::span<const AliveEntity> all() const { return entries_; }
    // The entries of one type, in the order of `alive`.
    std::span<const AliveEntity> of_type(model::EntityType type) const;

private:
    std::vector<AliveEntity> entries_;
    std::vector<AliveEntity> by_type_;
};

}  // namespace velmora::renderer::space
