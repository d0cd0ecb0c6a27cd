#pragma once
// The last phase of a tick: units still ready step into the cells they
// planned.
#include <kimbly/rng.hpp>

#include "velmora/model/model.hpp"
#include "velmora/model/tick_state.hpp"

namespace velmora::model {

// Starting from the planned cells that were empty at the start of the tick,
// in (x, y) order: one of the units that planned the cell, chosen at random
// after sorting their ids, enters it, and the cell it left is filled the same
// way, so a line of units advances together. Swaps and closed cycles stay.
void move_units(Model& model, kimbly::rng::Rng& rng, const TickState& tick);

}  // namespace velmora::model
