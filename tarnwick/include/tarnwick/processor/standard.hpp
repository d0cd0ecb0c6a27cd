#pragma once
// Plays the turns by the game's rules with the match's random generator.
#include <memory>
#include <utility>
#include <vector>

#include <kimbly/rng.hpp>

#include "tarnwick/processor/strategy.hpp"

namespace tarnwick::processor::processor_strategy::standard {

template <Game G>
class Standard final : public GameProcessorStrategy<G> {
public:
    Standard(G game, std::unique_ptr<kimbly::rng::Rng> rng) : game_(std::move(game)), rng_(std::move(rng)) {}

    std::vector<EventOf<G>> process_turn(ActionMap<G>& actions) override {
        return GameTraits<G>::process_turn(game_, *rng_, actions);
    }
    const G& game() const override { return game_; }
    bool finished() const override { return GameTraits<G>::finished(game_); }

private:
    G game_;
    std::unique_ptr<kimbly::rng::Rng> rng_;
};

}  // namespace tarnwick::processor::processor_strategy::standard
