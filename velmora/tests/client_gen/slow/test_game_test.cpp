// The test game against scripted player programs that go wrong, and two
// games in a row on one port.
#include <gtest/gtest.h>

#include "client_gen/test_game_support.hpp"

namespace {

using namespace test_game;

TEST(TestGame, TwoGamesFollowEachOtherOnOnePort) {
    for (int game = 0; game < 2; ++game) EXPECT_EQ(play(client("good", 31102), options_on(31102)).first, "");
}

TEST(TestGame, FailuresOfTheClientEndTheGame) {
    auto short_wait = options_on(31103);
    short_wait.finish_wait = std::chrono::seconds(1);
    struct Case {
        std::string name;
        cg::Command command;
        std::string error;
        std::optional<pakko::ErrorKind> kind;
    };
    const std::string not_started = "Running client failed: Failed to start `no-such-client-program`: No such file "
                                    "or directory (os error 2). Is `no-such-client-program` installed and on PATH?";
    const Case cases[] = {
        {"wrong token", client("good", 31103, "WRONG"), "Token mismatch", pakko::ErrorKind::Other},
        {"exits with 1", client("fail", 31103), "Running client failed: Process exited with exit code: 1",
         std::nullopt},
        {"never ends", client("linger", 31103), "Running client failed: it did not end within 1 s after the game",
         std::nullopt},
        // The client's own failure ends the wait for its connection, which
        // would otherwise end on its time-out with a reset connection.
        {"cannot start", cg::Command{"no-such-client-program", {}, std::nullopt}, not_started, std::nullopt},
        {"ends before connecting", cg::Command{"sh", {"-c", "exit 3"}, std::nullopt},
         "Running client failed: Process exited with exit code: 3", std::nullopt},
        {"ends well before connecting", cg::Command{"true", {}, std::nullopt},
         "Running client failed: it ended without connecting to the game", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto [error, kind] = play(c.command, short_wait);
        EXPECT_EQ(error, c.error);
        EXPECT_EQ(kind, c.kind);
    }
}

}  // namespace
