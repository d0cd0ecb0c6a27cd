#include "velmora/renderer/space/renderer_data.hpp"

#include <map>
#include <string>
#include <variant>

#include <kimbly/panic.hpp>

namespace velmora::renderer::space {

RendererData create_renderer_data(const model::Model& state) {
    RendererData data;
    for (const model::Entity& entity : state.entities.iter()) {
        data.by_id.insert_or_assign(entity.id, entity::RendererEntityData::create(entity));
    }
    return data;
}

void update_renderer_data(RendererData& data, const std::vector<model::Event>& events, const model::Model& previous,
                          const model::Model& next) {
    // Attacker to target; of several attacks by one entity the last counts.
    std::map<model::usize, model::usize> targets;
    for (const model::Event& event : events) {
        const auto& attack = std::get<model::Attack>(event.value);
        targets.insert_or_assign(attack.attacker_id, attack.target_id);
    }
    for (const model::Entity& current : next.entities.iter()) {
        const model::Entity* before = previous.entities.get(current.id);
        if (before == nullptr) {
            data.by_id.insert_or_assign(current.id, entity::RendererEntityData::create(current));
            continue;
        }
        entity::RendererEntityData* record = data.get(current.id);
        if (record == nullptr) kimbly::panic("Renderer data has no record of entity " + std::to_string(current.id));
        const auto target = targets.find(current.id);
        const model::Entity* target_entity =
            target == targets.end() ? nullptr : previous.entities.get(target->second);
        record->update(*before, current, target_entity, next);
    }
}

}  // namespace velmora::renderer::space
