#pragma once
// The program's start: command line, logging, working directory, the
// configured match, then batch mode or the window.
#include <functional>
#include <optional>
#include <string>
#include <variant>
#include <vector>

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

// The parts of the program beyond the headless match: each is a library of
// its own that only the executable links, and hands to the start-up here.
struct FrontEnds {
    std::function<std::optional<RunError>(const ClientGenOpt& options)> run_client_gen;
    std::function<std::optional<RunError>(std::optional<GameProcessor> processor, const Opt& opt)> run_window;
};

// The whole program: returns the process's exit status. A returned error is
// printed as "Error: " and its causes; a fatal stop gives status 101.
int main(int argc, const char* const* argv, const FrontEnds& front_ends);

// Parses the command line and runs; help, version and a bad command line
// end here with their status.
std::variant<std::optional<RunError>, int> run(int argc, const char* const* argv, const FrontEnds& front_ends);

std::optional<RunError> run_with(Opt opt, const FrontEnds& front_ends);

// The configured processor of `opt`, with its game-log and results writers;
// none without --config. Stops the program on every failure.
std::optional<GameProcessor> configured_processor(Opt& opt);

}  // namespace velmora
