#include "tarnwick/net/sigpipe.hpp"
#include "velmora/client_gen/run.hpp"
#include "velmora/lib/run.hpp"

namespace {

// A stand-in until the window is built: it reports itself as unavailable,
// which ends the program with status 1.
std::optional<velmora::RunError> window_unavailable(std::optional<velmora::GameProcessor>, const velmora::Opt&) {
    return velmora::RunError{{"The window is not available in this build; use --batch-mode with --config"}};
}

}  // namespace

int main(int argc, char** argv) {
    // Before any thread starts: a departed peer must be an error value, never
    // a killed process.
    tarnwick::net::ignore_sigpipe();
    return velmora::main(argc, argv, {.run_client_gen = velmora::client_gen::run, .run_window = window_unavailable});
}
