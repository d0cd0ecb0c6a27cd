#include <gtest/gtest.h>

#include "../../kimbly/tests/panic_message.hpp"
#include "velmora/renderer/player_colors.hpp"

namespace {

using kimbly::ColorF32;
using velmora::renderer::player_color;

TEST(PlayerColors, OnePerSeatAndNoFifth) {
    EXPECT_EQ(player_color(0), (ColorF32{0.0f, 0.0f, 1.0f, 1.0f}));
    EXPECT_EQ(player_color(1), (ColorF32{0.0f, 0.8f, 0.0f, 1.0f}));
    EXPECT_EQ(player_color(2), (ColorF32{1.0f, 0.0f, 0.0f, 1.0f}));
    EXPECT_EQ(player_color(3), (ColorF32{0.8f, 0.5f, 0.0f, 1.0f}));
    EXPECT_EQ(kimbly::testing::panic_message([] { player_color(4); }),
              "Player index 4 has no colour: a match has at most 4 players");
}

}  // namespace
