#include <gtest/gtest.h>

#include <cmath>

#include "velmora/renderer/draw/circle_bar.hpp"
#include "velmora/renderer/draw/sprite.hpp"
#include "viewer_gl_test.hpp"

namespace {

using namespace velmora::renderer;
using namespace velmora::testing;

using BillboardGlTest = velmora::testing::ViewerGlTest;

// A unit ring filling the 64 × 64 target, sampled at radius 0.9 in each
// quadrant: only the quarter from the left through the bottom is filled.
TEST_F(BillboardGlTest, RingAtAQuarterFillsFromTheLeftThroughTheBottom) {
    circle_bar::Renderer rings(engine);
    auto& target = target_of({64, 64});
    rings.draw(target, top_down({0, 0}, 1), {{{0, 0, 0}, 0.25f, 1, {1, 0, 0, 1}, {0, 1, 0, 1}}});
    const Pixel on{0, 255, 0, 255};
    const Pixel off{255, 0, 0, 255};
    struct Case {
        float angle;
        Pixel expected;
    };
    const Case cases[] = {{200, on}, {250, on}, {290, off}, {340, off}, {45, off}, {135, off}, {175, off}};
    for (const auto& c : cases) {
        float radians = c.angle * 3.1415927f / 180;
        auto x = static_cast<std::uint64_t>(32 + 0.9f * 32 * std::cos(radians));
        auto y = static_cast<std::uint64_t>(32 + 0.9f * 32 * std::sin(radians));
        EXPECT_TRUE(pixel_near(pixel(x, y), c.expected)) << c.angle << " degrees";
    }
    EXPECT_TRUE(pixel_near(pixel(32, 32), CLEAR));
    EXPECT_TRUE(pixel_near(pixel(2, 2), CLEAR));
}

TEST_F(BillboardGlTest, RingValuesZeroAndOneAreAllOffAndAllOn) {
    circle_bar::Renderer rings(engine);
    auto& target = target_of({64, 64});
    auto camera = top_down({0, 0}, 2);
    rings.draw(target, camera,
               {{{-1, 0, 0}, 0, 1, {1, 0, 0, 1}, {0, 1, 0, 1}}, {{1, 0, 0}, 1, 1, {1, 0, 0, 1}, {0, 1, 0, 1}}});
    // 16 pixels a unit: the rings' left and bottom points at radius 0.9.
    EXPECT_TRUE(pixel_near(pixel(1, 32), {255, 0, 0, 255}));
    EXPECT_TRUE(pixel_near(pixel(16, 17), {255, 0, 0, 255}));
    EXPECT_TRUE(pixel_near(pixel(33, 32), {0, 255, 0, 255}));
    EXPECT_TRUE(pixel_near(pixel(48, 17), {0, 255, 0, 255}));
}

// The texture is not flipped: its first row is at the bottom. Under a
// tilted and turned camera without perspective the square keeps facing the
// eye, at the same place and size on the screen.
TEST_F(BillboardGlTest, SpriteFacesTheCameraWithItsFirstRowAtTheBottom) {
    sprite::Renderer sprites(engine);
    auto stripes = ovra::Texture2d::new_with(ovra, {1, 2}, [](kimbly::Vec2Usize at) {
        return at.y == 0 ? kimbly::ColorF32{1, 0, 0, 1} : kimbly::ColorF32{0, 0, 1, 1};
    });
    for (auto camera : {top_down({4, 4}, 4), velmora::camera::Camera{{4, 4}, 1.0f, 0.5f, 4, false}}) {
        auto& target = target_of({64, 64});
        sprites.draw(target, camera, stripes, {{{4, 4, 0}, 0, 1, {1, 1, 1, 1}}});
        EXPECT_TRUE(pixel_near(pixel(32, 26), {255, 0, 0, 255}));
        EXPECT_TRUE(pixel_near(pixel(32, 38), {0, 0, 255, 255}));
        EXPECT_TRUE(pixel_near(pixel(32, 42), CLEAR));
        EXPECT_TRUE(pixel_near(pixel(22, 32), CLEAR));
    }
}

// Under perspective a farther sprite covers fewer pixels.
TEST_F(BillboardGlTest, SpriteShrinksWithDistanceUnderPerspective) {
    sprite::Renderer sprites(engine);
    auto white = ovra::Texture2d::new_with(ovra, {1, 1}, [](kimbly::Vec2Usize) { return kimbly::ColorF32{1, 1, 1, 1}; });
    auto lit_columns = [&](float z) {
        auto& target = target_of({64, 64});
        sprites.draw(target, {{0, 0}, 0, velmora::camera::HALF_PI, 8, true}, white, {{{0, 0, z}, 0, 1, {1, 1, 1, 1}}});
        int count = 0;
        for (std::uint64_t x = 0; x < 64; ++x) count += pixel(x, 32)[3] > 128;
        return count;
    };
    EXPECT_GT(lit_columns(0), lit_columns(-4));
    EXPECT_GT(lit_columns(-4), 0);
}

}  // namespace
