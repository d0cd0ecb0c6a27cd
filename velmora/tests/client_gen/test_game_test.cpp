// The test game against a well-behaved scripted player program.
#include <gtest/gtest.h>

#include <test_support/log_capture.hpp>

#include "client_gen/test_game_support.hpp"

namespace {

using namespace test_game;

TEST(TestGame, AWellBehavedClientPlaysToTheEndAndIsTimed) {
    IN_CHILD_WITH_LOG(kimbly::logger::LevelFilter::Info, [] {
        EXPECT_EQ(play(client("good", 31101), options_on(31101)).first, "");
        const auto tcp = test_support::LogCapture::records("tarnwick::player::tcp");
        ASSERT_GE(tcp.size(), 2u);
        EXPECT_EQ(tcp[0], "INFO Waiting for connection on port 31101");
        EXPECT_EQ(tcp[1], "INFO Got connection on port 31101");
        const auto own = test_support::LogCapture::records("tarnwick::client_gen");
        ASSERT_EQ(own.size(), 1u);
        EXPECT_TRUE(own[0].starts_with("INFO Client running time: ") && own[0].ends_with(" ms")) << own[0];
    });
}

}  // namespace
