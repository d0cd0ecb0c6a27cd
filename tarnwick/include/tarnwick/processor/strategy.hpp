#pragma once
// How the turns of a match are played: by the rules, or from a game log.
#include <vector>

#include "tarnwick/game.hpp"

namespace tarnwick::processor::processor_strategy {

template <Game G>
class GameProcessorStrategy {
public:
    virtual ~GameProcessorStrategy() = default;
    // Only players that answered have an entry.
    virtual std::vector<EventOf<G>> process_turn(ActionMap<G>& actions) = 0;
    virtual const G& game() const = 0;
    virtual bool finished() const = 0;
};

}  // namespace tarnwick::processor::processor_strategy
