#pragma once
// The program's start: command line, logging, working directory, the
// configured match, then batch mode or the window.
#include <optional>
#include <string>

#include "velmora/lib/opt.hpp"

namespace velmora {

// Name of the development variable naming velmora's source directory; when
// set, the program works in its "static" subfolder instead of the
// executable's folder.
inline constexpr const char* SOURCE_DIR_VARIABLE = "VELMORA_DEV_SOURCE_DIR";

// The error a run returns, with its causes from the outermost inwards.
struct RunError {
    std::vector<std::string> causes;
};

// The whole program: returns the process's exit status. A returned error is
// printed as "Error: " and its causes; a fatal stop gives status 101.
int main(int argc, const char* const* argv);

// Parses the command line and runs; help, version and a bad command line
// end here with their status.
std::variant<std::optional<RunError>, int> run(int argc, const char* const* argv);

std::optional<RunError> run_with(Opt opt);

// The configured processor of `opt`, with its game-log and results writers;
// none without --config. Stops the program on every failure.
std::optional<GameProcessor> configured_processor(Opt& opt);

// Client generation and the window, each its own part of the program.
std::optional<RunError> run_client_gen(const ClientGenOpt& options);
std::optional<RunError> run_window(std::optional<GameProcessor> processor, const Opt& opt);

}  // namespace velmora
