#include "tarnwick/net/sigpipe.hpp"
#include "velmora/lib/run.hpp"

int main(int argc, char** argv) {
    // Before any thread starts: a departed peer must be an error value, never
    // a killed process.
    tarnwick::net::ignore_sigpipe();
    return velmora::main(argc, argv);
}
