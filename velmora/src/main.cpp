#include <csignal>
#include <cstdio>
#include <cstring>

#include "kimbly/logger.hpp"
#include "kimbly/panic.hpp"

int main(int argc, char** argv) {
    // A departed peer must be an error value, never a killed process.
    std::signal(SIGPIPE, SIG_IGN);
    kimbly::install_terminate_handler();
    return kimbly::run_main([&] {
        if (auto error = kimbly::logger::init()) {
            std::fprintf(stderr, "%.*s\n", static_cast<int>(error->message().size()), error->message().data());
        }
        if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
            std::printf("velmora 0.1.0\n");
            return 0;
        }
        std::fprintf(stderr, "usage: velmora --version\n");
        return 2;
    });
}
