#pragma once
// The space view's reading of the shown tick: which entities are drawn, where
// an entity is found and where it is at a moment of the tick.
#include <optional>
#include <vector>

#include "velmora/renderer/broken_data.hpp"
#include "velmora/renderer/draw_args.hpp"
#include "velmora/renderer/space/entity.hpp"

namespace velmora::renderer::space {

// The shown tick and the faults found while reading it.
struct Scene {
    const CurrentState& state;
    BrokenDataLog& log;

    // How far playback has gone into the shown tick.
    float t() const { return static_cast<float>(state.t); }
    const model::Model& game() const { return state.game; }
    const model::Model* previous_game() const { return state.previous ? &state.previous->game : nullptr; }
};

// The ids of the shown state's entities, ascending; during the first half of
// the tick also those of the state before, so that an entity destroyed in
// this tick stays until its explosion.
std::vector<model::usize> alive_entities(const CurrentState& state);

// The entity in the shown state, else in the state before.
const model::Entity* find_entity(const CurrentState& state, model::usize id);

// The entity's motion at fraction f of the tick, from its record in the
// previous tick's data (or the shown one's when that has none) to the shown
// one's. None, reported, when the shown data has no record of it or the
// properties table lacks its type.
std::optional<entity::InterpolatedEntity> interpolated_entity(const Scene& scene, model::usize id, float f);

}  // namespace velmora::renderer::space
