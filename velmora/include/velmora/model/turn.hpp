#pragma once
// One tick of the game.
#include <map>
#include <vector>

#include <kimbly/rng.hpp>

#include "velmora/model/action.hpp"
#include "velmora/model/model.hpp"

namespace velmora::model {

// Plays one tick. `actions` maps player indices to orders already in the game
// frame (the caller converts them, once). New orders replace the entities'
// standing actions; then units plan their steps, the ready entities attack,
// build and repair (each phase in a fresh random order), the rest move, the
// dead are removed, finished entities become active, income is paid and the
// tick counter advances; in a game of two players a lone surviving owner
// collects the other's score. Returns one event per attack, in order.
//
// An order for an entity that does not exist or that the sender does not own
// is logged at error level and dropped. Every random draw comes from `rng`,
// in a fixed order, so one state, one set of actions and one generator state
// always give the same tick.
std::vector<Event> process_turn(Model& model, kimbly::rng::Rng& rng, std::map<usize, Action> actions);

}  // namespace velmora::model
