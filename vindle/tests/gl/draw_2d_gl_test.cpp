#include <ovra/draw.hpp>

#include "engine_gl_test.hpp"
#include "vindle/draw_2d.hpp"

namespace {

using ovra::testing::pixel_at;
using ovra::testing::read_pixels;
using vindle::testing::describe;
using vindle::testing::near;
using vindle::testing::Pixel;

constexpr kimbly::ColorF32 BLACK{0, 0, 0, 1};
constexpr kimbly::ColorF32 WHITE{1, 1, 1, 1};
constexpr Pixel RED{255, 0, 0, 255};
constexpr Pixel GREEN{0, 255, 0, 255};
constexpr Pixel BLUE{0, 0, 255, 255};
constexpr Pixel CLEAR{0, 0, 0, 255};

struct Draw2DGlTest : vindle::testing::EngineGlTest {
    struct Probe {
        std::uint64_t x, y;
        Pixel expected;
    };

    // Draws into a cleared 64 × 64 framebuffer and checks the probes.
    template <class F>
    void expect_drawn(kimbly::ColorF32 background, F&& paint, std::initializer_list<Probe> probes) {
        auto& framebuffer = target_of({64, 64});
        ovra::draw::clear(framebuffer, background, 1.0f);
        vindle::draw_2d::Draw2D draw(*library, ovra);
        paint(draw, framebuffer);
        EXPECT_EQ(ovra::testing::take_gl_error(), 0u);
        auto pixels = read_pixels(framebuffer);
        for (const Probe& p : probes) {
            Pixel actual = pixel_at(pixels, 64, p.x, p.y);
            EXPECT_TRUE(near(actual, p.expected)) << "at (" << p.x << ", " << p.y << "): " << describe(actual);
        }
    }
};

TEST_F(Draw2DGlTest, QuadOverTheWholeFramebufferCoversIt) {
    expect_drawn(
        BLACK, [](auto& draw, auto& framebuffer) { draw.quad(framebuffer, {0, 64, 0, 64}, {1, 0, 0, 1}); },
        {{0, 0, RED}, {63, 0, RED}, {0, 63, RED}, {63, 63, RED}, {32, 32, RED}});
}

TEST_F(Draw2DGlTest, InvertedRectangleIsDrawnAllTheSame) {
    expect_drawn(
        BLACK, [](auto& draw, auto& framebuffer) { draw.quad(framebuffer, {48, 16, 40, 8}, {0, 1, 0, 1}); },
        {{16, 8, GREEN}, {47, 39, GREEN}, {30, 20, GREEN}, {15, 20, CLEAR}, {48, 20, CLEAR}, {30, 40, CLEAR},
         {30, 7, CLEAR}});
}

TEST_F(Draw2DGlTest, EllipseWithEqualRadiiIsACircle) {
    expect_drawn(
        BLACK,
        [](auto& draw, auto& framebuffer) {
            draw.ellipse(framebuffer, {32, 32}, {10, 10}, {0, 0, 1, 1});
            // A zero radius leaves nothing.
            draw.ellipse(framebuffer, {5, 5}, {0, 0}, {1, 1, 1, 1});
        },
        {{32, 32, BLUE}, {40, 32, BLUE}, {32, 23, BLUE}, {37, 38, BLUE},
         // Inside the box but outside the circle.
         {40, 40, CLEAR}, {24, 24, CLEAR}, {42, 32, CLEAR}, {5, 5, CLEAR}});
}

TEST_F(Draw2DGlTest, HalfAlphaOverWhiteTintsByHalf) {
    expect_drawn(
        WHITE, [](auto& draw, auto& framebuffer) { draw.quad(framebuffer, {0, 32, 0, 64}, {1, 0, 0, 0.5f}); },
        // Alpha blends as the colours do: 0.5 × 0.5 + 1 × 0.5.
        {{10, 10, {255, 128, 128, 191}}, {50, 10, {255, 255, 255, 255}}});
}

// Points in any mode: a line strip in the colour, drawn over black.
TEST_F(Draw2DGlTest, PointsDrawnAsALineStrip) {
    expect_drawn(
        BLACK,
        [](auto& draw, auto& framebuffer) {
            const kimbly::Vec2F32 points[] = {{0, 20.5f}, {64, 20.5f}, {64, 40.5f}};
            draw.draw(framebuffer, points, {1, 0, 0, 1}, ovra::draw_mode::LineStrip{1});
        },
        {{10, 20, RED}, {40, 20, RED}, {10, 30, CLEAR}});
}

// The first row of the texture's data lies along the top edge.
TEST_F(Draw2DGlTest, TexturedQuadIsTheRightWayUp) {
    auto texture = ovra::Texture2d::new_with(ovra, {2, 2}, [](kimbly::Vec2Usize p) {
        return p.y == 0 ? kimbly::ColorF32{1, 0, 0, 1} : kimbly::ColorF32{0, 0, 1, 1};
    });
    expect_drawn(
        BLACK,
        [&](auto& draw, auto& framebuffer) { draw.textured_quad(framebuffer, {0, 64, 0, 64}, texture, WHITE); },
        {{5, 60, RED}, {60, 60, RED}, {5, 3, BLUE}, {60, 3, BLUE}});
}

}  // namespace
