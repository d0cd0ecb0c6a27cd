#include "tarnwick/net/sigpipe.hpp"
#include "velmora/client_gen/run.hpp"
#include "velmora/lib/run.hpp"

#ifdef VELMORA_WINDOW
#include "velmora/app/window.hpp"
#else
namespace velmora {
namespace {

// A build without the window's libraries reports it as unavailable, which
// ends the program with status 1.
std::optional<RunError> run_window(std::optional<GameProcessor>, const Opt&) {
    return RunError{{"The window is not available in this build; use --batch-mode with --config"}};
}

}  // namespace
}  // namespace velmora
#endif

int main(int argc, char** argv) {
    // Before any thread starts: a departed peer must be an error value, never
    // a killed process.
    tarnwick::net::ignore_sigpipe();
    return velmora::main(argc, argv, {.run_client_gen = velmora::client_gen::run, .run_window = velmora::run_window});
}
