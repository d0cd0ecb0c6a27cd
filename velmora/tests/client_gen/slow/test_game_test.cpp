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
    short_wait.tcp.accept_timeout = 1.0;
    struct Case {
        std::string name;
        cg::Command command;
        std::string error;
        std::optional<pakko::ErrorKind> kind;
    };
    const Case cases[] = {
        {"wrong token", client("good", 31103, "WRONG"), "Token mismatch", pakko::ErrorKind::Other},
        {"exits with 1", client("fail", 31103), "Running client failed", std::nullopt},
        {"never ends", client("linger", 31103), "Running client failed", std::nullopt},
        {"cannot start", cg::Command{"no-such-client-program", {}, std::nullopt}, "", pakko::ErrorKind::ConnectionReset},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto [error, kind] = play(c.command, short_wait);
        if (!c.error.empty()) {
            EXPECT_EQ(error, c.error);
        }
        EXPECT_EQ(kind, c.kind);
    }
}

}  // namespace
