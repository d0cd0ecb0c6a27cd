#include <gtest/gtest.h>

#include "velmora/renderer/draw/ez.hpp"
#include "viewer_gl_test.hpp"

namespace {

using namespace velmora::renderer;
using namespace velmora::testing;

struct EzGlTest : velmora::testing::ViewerGlTest {
    void SetUp() override {
        ViewerGlTest::SetUp();
        if (HasFatalFailure()) return;
        ez.emplace(engine);
    }
    void TearDown() override {
        ez.reset();
        ViewerGlTest::TearDown();
    }
    std::optional<Ez> ez;
};

// 8 pixels a cell: x = 0 at pixel column 16 and y = 0 at row 24, both on
// pixel centres, so that one-pixel lines land on exactly one column or row.
TEST_F(EzGlTest, GridOfTwoByOneDrawsThreeVerticalAndTwoHorizontalLines) {
    auto& target = target_of({64, 64});
    ez->grid(target, top_down({1.9375f, 0.9375f}, 4), 2, 1, {1, 1, 1, 1});
    struct Case {
        std::uint64_t x, y;
        bool lit;
    };
    const Case cases[] = {
        {16, 28, true},  {24, 28, true},  {32, 28, true},   // x = 0, 1, 2
        {20, 24, true},  {20, 32, true},  {28, 24, true},   // y = 0, 1
        {20, 28, false}, {28, 28, false},                    // inside the cells
        {40, 28, false}, {20, 40, false}, {8, 28, false},   // beyond the board
    };
    for (const auto& c : cases) {
        EXPECT_TRUE(pixel_near(pixel(c.x, c.y), c.lit ? Pixel{255, 255, 255, 255} : CLEAR)) << c.x << ", " << c.y;
    }
}

// 8 pixels a cell with the origin at the lower-left corner: cell (3, 4) is
// pixels 24..31 × 32..39. Without a texture the colour comes out exactly.
TEST_F(EzGlTest, InstanceCoversItsCellInItsColour) {
    auto& target = target_of({64, 64});
    ez->quads(target, top_down({4, 4}, 4), {{{3.5f, 4.5f}, 0, {0.5f, 0.5f}, {0.2f, 0.4f, 0.6f, 1}}});
    const Pixel colour{51, 102, 153, 255};
    for (auto [x, y] : {std::pair{24, 32}, {31, 32}, {24, 39}, {31, 39}, {28, 36}}) {
        EXPECT_TRUE(pixel_near(pixel(x, y), colour, 1)) << x << ", " << y;
    }
    for (auto [x, y] : {std::pair{23, 36}, {32, 36}, {28, 31}, {28, 40}}) {
        EXPECT_TRUE(pixel_near(pixel(x, y), CLEAR)) << x << ", " << y;
    }
}

// The texture's first row lies along the quad's top edge; a quarter turn
// brings it to the right edge.
TEST_F(EzGlTest, TexturedQuadShowsFirstRowOnTopAndTurnsClockwise) {
    auto stripes = ovra::Texture2d::new_with(ovra, {1, 2}, [](kimbly::Vec2Usize at) {
        return at.y == 0 ? kimbly::ColorF32{1, 0, 0, 1} : kimbly::ColorF32{0, 0, 1, 1};
    });
    auto& target = target_of({64, 64});
    auto camera = top_down({4, 4}, 4);
    ez->textured_quads(target, camera, {{{2, 4}, 0, {1, 1}, {1, 1, 1, 1}}}, stripes);
    ez->textured_quads(target, camera, {{{6, 4}, 1.5707964f, {1, 1}, {1, 1, 1, 1}}}, stripes);
    EXPECT_TRUE(pixel_near(pixel(16, 37), {255, 0, 0, 255}));
    EXPECT_TRUE(pixel_near(pixel(16, 27), {0, 0, 255, 255}));
    EXPECT_TRUE(pixel_near(pixel(54, 32), {255, 0, 0, 255}));
    EXPECT_TRUE(pixel_near(pixel(42, 32), {0, 0, 255, 255}));
}

// Screen vertices ignore the camera: a one-pixel square from (10, 20).
TEST_F(EzGlTest, Draw2PlacesVerticesOnWindowPixelsWhateverTheCamera) {
    auto& target = target_of({64, 64});
    const kimbly::ColorF32 green{0, 1, 0, 1};
    velmora::camera::Camera odd{{100, -50}, 1.0f, 0.4f, 7.0f, true};
    ez->draw2(target, odd,
              {{.a_pos = {10, 20}, .i_color = green},
               {.a_pos = {11, 20}, .i_color = green},
               {.a_pos = {11, 21}, .i_color = green},
               {.a_pos = {10, 21}, .i_color = green}},
              nullptr, ovra::draw_mode::TriangleFan{});
    EXPECT_TRUE(pixel_near(pixel(10, 20), {0, 255, 0, 255}));
    for (auto [x, y] : {std::pair{9, 20}, {11, 20}, {10, 19}, {10, 21}}) {
        EXPECT_TRUE(pixel_near(pixel(x, y), CLEAR)) << x << ", " << y;
    }
}

// World vertices through the camera, with the identity transform per vertex.
TEST_F(EzGlTest, DrawPlacesWorldTrianglesThroughTheCamera) {
    auto& target = target_of({64, 64});
    const kimbly::ColorF32 red{1, 0, 0, 1};
    ez->draw(target, top_down({4, 4}, 4),
             {{.a_pos = {0, 0}, .i_color = red}, {.a_pos = {2, 0}, .i_color = red}, {.a_pos = {0, 2}, .i_color = red}},
             nullptr, ovra::draw_mode::Triangles{});
    EXPECT_TRUE(pixel_near(pixel(4, 4), {255, 0, 0, 255}));
    EXPECT_TRUE(pixel_near(pixel(12, 12), CLEAR));
}

}  // namespace
