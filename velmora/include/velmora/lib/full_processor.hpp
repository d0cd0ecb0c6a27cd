#pragma once
// Game processors built from a match configuration.
#include <memory>

#include <tarnwick/lib/byte_source.hpp>
#include <tarnwick/lib/full_options.hpp>
#include <tarnwick/processor/game_processor.hpp>

#include "velmora/game.hpp"
#include "velmora/lib/player_options.hpp"

namespace velmora {

using FullOptions = tarnwick::FullOptionsOf<Game>;
using GameProcessor = tarnwick::processor::GameProcessor<Game>;

// A new match: converts the game (reading a saved state may stop the
// program), checks the player count against it, then creates every player
// and waits until all TCP clients have connected or failed. A failed player
// becomes an errored one, which fails at its first request.
GameProcessor new_full(const FullOptions& options);

// Repeats the game log read from `log` with the configuration's players; its
// seed and game are not used. The log's initial state is read before any
// player is created, so that a configuration with more players than it has
// stops the program before a port is bound.
GameProcessor repeat_full(std::unique_ptr<tarnwick::ByteSource> log, const FullOptions& options);

}  // namespace velmora
