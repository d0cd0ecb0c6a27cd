#pragma once
// Client generation of the game's packages: the entry that start-up calls
// when --client-gen is given.
#include <optional>
#include <span>

#include <tarnwick/client_gen/harness.hpp>
#include <tarnwick/client_gen/templates.hpp>
#include <tarnwick/client_gen/test_game.hpp>

#include "velmora/lib/opt.hpp"
#include "velmora/lib/run.hpp"

namespace velmora::client_gen {

// The stored test strategies (velmora/client_strategies), by "<language>/<path>".
std::span<const tarnwick::client_gen::EmbeddedFile> strategy_texts();

// Language name to the strategy files that replace each package's template.
tarnwick::client_gen::StrategyFiles test_strategy_files();

// Plays the game's test game with a client command: ten ticks of Round1
// against an empty player, with the fixed debug state.
void play_test_game(const tarnwick::client_gen::Command& client, const tarnwick::client_gen::TestGameOptions& options);

// Generates the selected packages and tests them as the mode asks.
std::optional<RunError> run(const ClientGenOpt& options);

}  // namespace velmora::client_gen
