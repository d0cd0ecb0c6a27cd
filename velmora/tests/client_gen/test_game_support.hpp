#pragma once
// Scripted player programs for the tests of the client test game. Each test
// has a port of its own, so that the suites may run in parallel.
#include <optional>
#include <string>
#include <utility>

#include <pakko/io.hpp>

#include "velmora/client_gen/run.hpp"

namespace test_game {

namespace cg = tarnwick::client_gen;

inline cg::TestGameOptions options_on(std::uint16_t port) {
    cg::TestGameOptions options = cg::test_game_options(std::nullopt);
    options.tcp.port = port;
    return options;
}

inline cg::Command client(const std::string& behaviour, std::uint16_t port, const std::string& token = "HORNBEAM_QUAIL") {
    return cg::Command{SCRIPTED_CLIENT, {behaviour, "127.0.0.1", std::to_string(port), token}, std::nullopt};
}

// The error text and kind the game ends with; empty text on success.
inline std::pair<std::string, std::optional<pakko::ErrorKind>> play(const cg::Command& command,
                                                                    const cg::TestGameOptions& options) {
    try {
        velmora::client_gen::play_test_game(command, options);
    } catch (const pakko::IoError& error) {
        return {error.what(), error.kind()};
    } catch (const std::exception& error) {
        return {error.what(), std::nullopt};
    }
    return {"", std::nullopt};
}

}  // namespace test_game
