#pragma once
// Checks of game states and options that come from outside (a saved state,
// the states of a game log, custom options). The rules rely on these
// invariants without checking them, so a state that breaks one must never
// reach them.
#include <cstddef>
#include <stdexcept>
#include <string>

#include "velmora/model/model.hpp"
#include "velmora/model/options.hpp"

namespace velmora::model {

// Grids of the rules hold map_size squared cells.
inline constexpr usize MAX_MAP_SIZE = 1024;
inline constexpr std::size_t MAX_PLAYERS = 4;

class InvalidState : public std::runtime_error {
public:
    explicit InvalidState(const std::string& message) : std::runtime_error(message) {}
};

// Throws InvalidState naming the first fault found.
void validate_model(const Model& model);

// A delta read from outside, before it is applied to `model`: it may change
// only records the state holds. Throws InvalidState.
void validate_delta(const Model& model, const ModelDelta& delta);

// Options for a game of `player_count` players; throws InvalidState.
void validate_options(std::size_t player_count, const Options& options);

}  // namespace velmora::model
