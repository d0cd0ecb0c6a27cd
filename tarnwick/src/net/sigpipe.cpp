#include "tarnwick/net/sigpipe.hpp"

#include <csignal>

namespace tarnwick::net {

void ignore_sigpipe() {
    struct sigaction action {};
    action.sa_handler = SIG_IGN;
    sigemptyset(&action.sa_mask);
    ::sigaction(SIGPIPE, &action, nullptr);
}

}  // namespace tarnwick::net
