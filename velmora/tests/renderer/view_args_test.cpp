#include <gtest/gtest.h>

#include <type_traits>

#include "test_support/panic_message.hpp"
#include "velmora/renderer/draw_args.hpp"
#include "velmora/renderer/player_colors.hpp"

namespace {

using kimbly::ColorF32;
using velmora::renderer::player_color;

// The views draw what the tick history shows, with the motion records kept
// beside every state.
static_assert(std::is_same_v<tarnwick::app::history::History<velmora::model::Model,
                                                              velmora::renderer::space::RendererData>::State,
                             velmora::renderer::CurrentState>);

TEST(PlayerColors, OnePerSeatAndNoFifth) {
    EXPECT_EQ(player_color(0), (ColorF32{0.0f, 0.0f, 1.0f, 1.0f}));
    EXPECT_EQ(player_color(1), (ColorF32{0.0f, 0.8f, 0.0f, 1.0f}));
    EXPECT_EQ(player_color(2), (ColorF32{1.0f, 0.0f, 0.0f, 1.0f}));
    EXPECT_EQ(player_color(3), (ColorF32{0.8f, 0.5f, 0.0f, 1.0f}));
    EXPECT_EQ(test_support::panic_message([] { player_color(4); }),
              "Player index 4 has no colour: a match has at most 4 players");
}

}  // namespace
