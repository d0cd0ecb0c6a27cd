#pragma once
// Creation of a new game from options and the match generator.
#include <kimbly/rng.hpp>

#include "velmora/model/model.hpp"
#include "velmora/model/options.hpp"

namespace velmora::model {

// The tick limit of a game whose options name none.
inline constexpr usize DEFAULT_MAX_TICK_COUNT = 100000;

// The initial state at tick 0: players with ids 1..n, each player's starting
// entities turned from player 0's frame into its own corner, then resources
// placed by seeded noise outside a two-cell margin around every player's
// starting entities. Takes exactly one 32-bit draw from `rng` (the noise
// seed), so one seed and one set of options always give the same map.
// Options that don't fit the player count are refused with InvalidState
// (validate.hpp) before anything is drawn.
Model init(kimbly::rng::Rng& rng, usize player_count, Options options);

}  // namespace velmora::model
