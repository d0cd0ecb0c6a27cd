#include <ovra/draw.hpp>

#include "engine_gl_test.hpp"
#include "vindle/draw_2d.hpp"
#include "vindle/font.hpp"

namespace {

using ovra::testing::pixel_at;
using ovra::testing::read_pixels;

struct FontGlTest : vindle::testing::EngineGlTest {
    vindle::font::Font font() {
        auto bytes = vindle::font::default_font_bytes();
        return vindle::font::Font::new_with(ovra, *library, {bytes.begin(), bytes.end()});
    }

    // The pixels with ink (any alpha) of a framebuffer cleared to
    // transparent black, as a box in whole pixels; none without ink.
    static std::optional<kimbly::AabbF32> ink(const ovra::Framebuffer& framebuffer) {
        auto pixels = read_pixels(framebuffer);
        auto size = framebuffer.size();
        std::optional<kimbly::AabbF32> box;
        for (std::uint64_t y = 0; y < size.y; ++y) {
            for (std::uint64_t x = 0; x < size.x; ++x) {
                if (pixel_at(pixels, size.x, x, y)[3] == 0) continue;
                auto fx = static_cast<float>(x), fy = static_cast<float>(y);
                box = box ? kimbly::AabbF32{std::min(box->x_min, fx), std::max(box->x_max, fx + 1),
                                            std::min(box->y_min, fy), std::max(box->y_max, fy + 1)}
                          : kimbly::AabbF32{fx, fx + 1, fy, fy + 1};
            }
        }
        return box;
    }
};

TEST_F(FontGlTest, InkLiesInsideTheMeasuredBox) {
    auto text = font();
    struct Case {
        const char* text;
        kimbly::Vec2F32 position;
        float size;
    };
    const Case cases[] = {
        {"Hello, Wörld! gjy", {10, 12}, 32},
        {"AV 0.5", {3.3f, 7.6f}, 21.5f},
        // At the origin, the line box is the bottom `size` rows.
        {"Éjg|", {0, 0}, 40},
    };
    for (const Case& c : cases) {
        auto& framebuffer = target_of({300, 80});
        ovra::draw::clear(framebuffer, kimbly::ColorF32{0, 0, 0, 0}, 1.0f);
        text.draw(framebuffer, c.text, c.position, c.size, {1, 1, 1, 1});
        EXPECT_EQ(ovra::testing::take_gl_error(), 0u);
        auto drawn = ink(framebuffer);
        ASSERT_TRUE(drawn) << c.text;
        kimbly::AabbF32 measured = text.measure_at(c.text, c.position, c.size);
        EXPECT_GE(drawn->x_min, measured.x_min) << c.text;
        EXPECT_LE(drawn->x_max, measured.x_max) << c.text;
        EXPECT_GE(drawn->y_min, measured.y_min) << c.text;
        EXPECT_LE(drawn->y_max, measured.y_max) << c.text;
        // The box is tight: ink reaches within a pixel of each side.
        EXPECT_LE(drawn->x_min - measured.x_min, 1) << c.text;
        EXPECT_LE(measured.x_max - drawn->x_max, 1) << c.text;
        EXPECT_LE(drawn->y_min - measured.y_min, 1) << c.text;
        EXPECT_LE(measured.y_max - drawn->y_max, 1) << c.text;
        if (c.position == kimbly::Vec2F32{0, 0}) {
            EXPECT_LE(drawn->y_max, c.size) << c.text;
        }
    }
}

// Shapes and text together, written out for a person to look at.
TEST_F(FontGlTest, SampleImageOfShapesAndText) {
    auto text = font();
    vindle::draw_2d::Draw2D draw(*library, ovra);
    auto& framebuffer = target_of({480, 200});
    ovra::draw::clear(framebuffer, kimbly::ColorF32{0.12f, 0.13f, 0.16f, 1}, 1.0f);
    draw.quad(framebuffer, {20, 220, 20, 90}, {0.2f, 0.45f, 0.9f, 1});
    draw.quad(framebuffer, {140, 300, 50, 120}, {0.95f, 0.55f, 0.1f, 0.6f});
    draw.ellipse(framebuffer, {390, 70}, {60, 40}, {0.3f, 0.8f, 0.4f, 1});
    draw.ellipse(framebuffer, {390, 70}, {20, 20}, {1, 1, 1, 0.5f});
    const kimbly::Vec2F32 zigzag[] = {{20, 110}, {80, 135}, {140, 110}, {200, 135}, {260, 110}};
    draw.draw(framebuffer, zigzag, {0.9f, 0.9f, 0.3f, 1}, ovra::draw_mode::LineStrip{3});
    text.draw(framebuffer, "Velmora runner: tick 1234 / 2000", {20, 160}, 26, {1, 1, 1, 1});
    text.draw_aligned(framebuffer, "centred, kerned: AVATAR Wavy", {240, 140}, 0.5f, 18, {1, 0.85f, 0.6f, 1});
    text.draw(framebuffer, "small 12px text, player 3 score: 17", {24, 40}, 12, {1, 1, 1, 0.9f});
    EXPECT_EQ(ovra::testing::take_gl_error(), 0u);
    EXPECT_TRUE(ovra::testing::write_png(VELMORA_BINARY_DIR "/vindle_shapes_and_text.png", framebuffer.size(),
                                         read_pixels(framebuffer)));
}

}  // namespace
