#pragma once
// The space view's data per tick: one motion record per entity ever seen in
// the match. The tick history keeps it beside every game state, as a full
// copy or as the delta of its collection, so that scrubbing back and forth
// gives the same motion.
#include <vector>

#include <tarnwick/app/history/renderer_extra.hpp>

#include "velmora/model/collection.hpp"
#include "velmora/model/model.hpp"
#include "velmora/renderer/space/entity.hpp"

namespace velmora::renderer::space {

// Records are never removed: an entity that died in the shown tick is still
// drawn from its last record.
using RendererData = model::Collection<entity::RendererEntityData>;

// The data of a match's first state.
RendererData create_renderer_data(const model::Model& state);

// Advances the data by the tick that led from `previous` to `next`. Stops the
// program when an entity of both states has no record, which only data not
// advanced tick by tick from the first state can lack.
void update_renderer_data(RendererData& data, const std::vector<model::Event>& events, const model::Model& previous,
                          const model::Model& next);

}  // namespace velmora::renderer::space

template <>
struct tarnwick::app::history::RendererExtraDataTraits<velmora::renderer::space::RendererData> {
    static velmora::renderer::space::RendererData create(const velmora::model::Model& first_state) {
        return velmora::renderer::space::create_renderer_data(first_state);
    }
    static void update(velmora::renderer::space::RendererData& data, const std::vector<velmora::model::Event>& events,
                       const velmora::model::Model& previous, const velmora::model::Model& next) {
        velmora::renderer::space::update_renderer_data(data, events, previous, next);
    }
};
