#include <gtest/gtest.h>

#include "model_fixture.hpp"
#include "renderer/draw/gl/viewer_gl_test.hpp"
#include "velmora/renderer/draw/hud.hpp"

namespace {

using namespace velmora::model;
using namespace velmora::model::testing;
using velmora::testing::pixel_near;

struct HudGl : velmora::testing::ViewerGlTest {};

// Two players over a grey window: the band is 50 pixels high, darkened to a
// fifth, with the labels left of the middle and the figures right of it.
TEST_F(HudGl, BandAndLinesAtTheTop) {
    constexpr kimbly::Vec2Usize SIZE{640, 120};
    Model game = empty_model(80);
    const usize first = add_player(game, 0, 120, 9);
    add_player(game, 1, 45, 3);
    add_entity(game, EntityType::BuilderUnit, first, at(1, 1));
    add_entity(game, EntityType::House, first, at(3, 3));

    auto& target = target_of(SIZE, {0.5f, 0.5f, 0.5f, 1});
    velmora::renderer::hud::draw(*engine, target, velmora::renderer::hud::layout(game, {"Ann"}, SIZE));
    EXPECT_EQ(ovra::testing::take_gl_error(), 0u);
    ASSERT_TRUE(ovra::testing::write_png("hud.png", SIZE, ovra::testing::read_pixels(target)));

    // Colours only: what the band leaves in the alpha channel does not show.
    auto colour = [&](std::uint64_t x, std::uint64_t y) {
        auto p = pixel(x, y);
        p[3] = 255;
        return p;
    };
    EXPECT_TRUE(pixel_near(colour(2, 119), {26, 26, 26, 255}, 3));
    EXPECT_TRUE(pixel_near(colour(2, 71), {26, 26, 26, 255}, 3));
    EXPECT_TRUE(pixel_near(colour(2, 69), {128, 128, 128, 255}, 3));
    EXPECT_TRUE(pixel_near(colour(318, 110), {26, 26, 26, 255}, 3));
}

}  // namespace
