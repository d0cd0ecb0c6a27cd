// Stand-ins for the parts of the program that this build does not have yet:
// each reports itself as unavailable, which ends the program with status 1.
#include "velmora/lib/run.hpp"

namespace velmora {

std::optional<RunError> run_client_gen(const ClientGenOpt&) {
    return RunError{{"Client generation is not available in this build"}};
}

std::optional<RunError> run_window(std::optional<GameProcessor>, const Opt&) {
    return RunError{{"The window is not available in this build; use --batch-mode with --config"}};
}

}  // namespace velmora
