#include "velmora/renderer/space/scene.hpp"

#include <algorithm>
#include <string>

#include "velmora/renderer/view_lookup.hpp"

namespace velmora::renderer::space {

std::vector<model::usize> alive_entities(const CurrentState& state) {
    std::vector<model::usize> ids;
    for (const model::Entity& entity : state.game.entities.iter()) ids.push_back(entity.id);
    if (state.previous && state.t <= 0.5) {
        for (const model::Entity& entity : state.previous->game.entities.iter()) ids.push_back(entity.id);
        std::ranges::sort(ids);
        const auto duplicates = std::ranges::unique(ids);
        ids.erase(duplicates.begin(), duplicates.end());
    }
    return ids;
}

const model::Entity* find_entity(const CurrentState& state, model::usize id) {
    if (const model::Entity* shown = state.game.entities.get(id)) return shown;
    return state.previous ? state.previous->game.entities.get(id) : nullptr;
}

std::optional<entity::InterpolatedEntity> interpolated_entity(const Scene& scene, model::usize id, float f) {
    const entity::RendererEntityData* shown = scene.state.renderer_data.get(id);
    if (shown == nullptr) {
        scene.log.report(BrokenData::MissingRecord, "The renderer data has no record of entity " + std::to_string(id));
        return std::nullopt;
    }
    const entity::RendererEntityData* before = shown;
    if (scene.state.previous) {
        if (const auto* earlier = scene.state.previous->renderer_data.get(id)) before = earlier;
    }
    if (find_properties(scene.game(), before->entity_type, scene.log) == nullptr) return std::nullopt;
    return entity::RendererEntityData::interpolate(*before, *shown, scene.game(), f);
}

}  // namespace velmora::renderer::space
