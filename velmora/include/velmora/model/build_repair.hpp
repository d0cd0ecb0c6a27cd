#pragma once
// The build and repair phases of a tick.
#include <kimbly/rng.hpp>

#include "velmora/model/model.hpp"
#include "velmora/model/tick_state.hpp"

namespace velmora::model {

// Rebuilds the ready list from the ready set, sorts and shuffles it, then lets
// every ready entity in that order place one new, inactive entity on free
// cells beside itself, paid from its owner's resource within its owner's
// population. Every build order of an allowed type uses up an id, also when
// the build then fails. Builders that built leave the ready set.
void build_phase(Model& model, kimbly::rng::Rng& rng, TickState& tick);

// Rebuilds, sorts and shuffles the ready list again, then lets every ready
// entity in that order add health to the entity its order names, when that
// one is beside it, of a type it can repair and not yet destroyed.
// Repairers leave the ready set, also when the target was already whole.
void repair_phase(Model& model, kimbly::rng::Rng& rng, TickState& tick);

}  // namespace velmora::model
