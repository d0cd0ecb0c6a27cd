#pragma once
// The program's window: the engine, the preferences and the assets behind
// the loading screen, then the first screen.
#include <optional>

#include "velmora/lib/run.hpp"

namespace velmora {

// Returns when the window is closed or its last screen has gone.
std::optional<RunError> run_window(std::optional<GameProcessor> processor, const Opt& opt);

}  // namespace velmora
