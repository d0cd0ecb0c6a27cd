#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include <ovra/raw/recording_context.hpp>

#include "font_fixture.hpp"
#include "vindle/font.hpp"

namespace {

using kimbly::AabbF32;
using kimbly::Vec2F32;
using vindle::font::Font;
using vindle::font::FontFace;

std::vector<std::uint8_t> default_bytes() {
    auto bytes = vindle::font::default_font_bytes();
    return {bytes.begin(), bytes.end()};
}

using vindle::testing::default_face;

// A font over the recording fake, drawing into a window framebuffer of
// 200 × 100 pixels.
struct FakeFont {
    FakeFont() {
        auto raw = std::make_unique<ovra_raw::RecordingContext>();
        gl = raw.get();
        ovra = ovra::Ovra::create_with(std::move(raw));
        ovra->_set_size({200, 100});
        library = std::make_unique<vindle::shader_lib::ShaderLib>(ovra);
        font = std::make_unique<Font>(Font::new_with(ovra, *library, default_bytes()));
        framebuffer = std::make_unique<ovra::Framebuffer>(ovra);
        gl->calls.clear();
        gl->uploads.clear();
    }

    std::size_t count(std::string_view call) const { return gl->calls_named(call).size(); }

    // The glyph corners of the last draw, from its vertex upload.
    std::vector<vindle::font::Vertex> last_vertices() const {
        const auto& bytes = gl->uploads.back();
        std::vector<vindle::font::Vertex> vertices(bytes.size() / sizeof(vindle::font::Vertex));
        std::memcpy(vertices.data(), bytes.data(), vertices.size() * sizeof(vindle::font::Vertex));
        return vertices;
    }

    ovra_raw::RecordingContext* gl;
    ovra::OvraHandle ovra;
    std::unique_ptr<vindle::shader_lib::ShaderLib> library;
    std::unique_ptr<Font> font;
    std::unique_ptr<ovra::Framebuffer> framebuffer;
};

TEST(FontFace, BytesThatAreNoFontAreRefused) {
    for (std::vector<std::uint8_t> bytes : {std::vector<std::uint8_t>{}, std::vector<std::uint8_t>(64, 0x41)}) {
        try {
            (void)FontFace::parse(bytes);
            ADD_FAILURE() << "parsed " << bytes.size() << " bytes";
        } catch (const vindle::font::FontError& error) {
            EXPECT_STREQ(error.what(), "Failed to read font");
        }
    }
}

TEST(FontFace, InkBoxes) {
    // Texts without ink measure as the zero box.
    for (const char* blank : {"", " ", "    "}) {
        EXPECT_EQ(default_face().measure(blank, 32), AabbF32{}) << '"' << blank << '"';
    }

    AabbF32 box = default_face().measure("Hg", 32);
    // The baseline sits |descent| × size above the descent line: "g" reaches
    // below it and "H" stays under the ascent line.
    float baseline = -default_face().descent() * 32;
    EXPECT_LT(box.y_min, baseline);
    EXPECT_GE(box.y_min, 0);
    EXPECT_GT(box.y_max, baseline);
    EXPECT_LE(box.y_max, 32);
    EXPECT_GT(box.width(), 0);
    EXPECT_EQ(box.x_min, std::floor(box.x_min));

    // Kerning: "AV" is narrower than "A" and "V" side by side.
    const auto& face = default_face();
    EXPECT_LT(face.measure("AV", 50).width(), face.measure("A V", 50).width() - face.measure(" ", 50).width());
}

TEST(FontFace, MeasureAtIsMeasureShifted) {
    for (const char* text : {"Hello", "g", "x y z", "\xff\x01 broken \xe2\x82"}) {
        for (Vec2F32 position : {Vec2F32{10, 20}, Vec2F32{-7, 3}, Vec2F32{1000, -250}}) {
            AabbF32 at_origin = default_face().measure(text, 24);
            AabbF32 moved{at_origin.x_min + position.x, at_origin.x_max + position.x, at_origin.y_min + position.y,
                          at_origin.y_max + position.y};
            EXPECT_EQ(default_face().measure_at(text, position, 24), moved) << text << " at " << position.x;
        }
    }
}

TEST(Font, SameTextDrawnTwiceRasterisesEachGlyphOnce) {
    FakeFont fake;
    fake.font->draw(*fake.framebuffer, "Hello Hello", {10, 10}, 20, {1, 1, 1, 1});
    // At least H, e, l, o; the second word's glyphs lie at other sub-pixel
    // positions, and the space has no ink.
    std::size_t first = fake.count("tex_sub_image_2d");
    EXPECT_GE(first, 4u);
    EXPECT_EQ(fake.last_vertices().size(), 6u * 10);
    EXPECT_EQ(fake.count("draw_arrays"), 1u);

    fake.font->draw(*fake.framebuffer, "Hello Hello", {10, 10}, 20, {1, 1, 1, 1});
    EXPECT_EQ(fake.count("tex_sub_image_2d"), first);
    // A size within the tolerance reuses them too.
    fake.font->draw(*fake.framebuffer, "H", {10, 10}, 20.04f, {1, 1, 1, 1});
    EXPECT_EQ(fake.count("tex_sub_image_2d"), first);
    EXPECT_EQ(fake.count("draw_arrays"), 3u);
    EXPECT_EQ(fake.last_vertices().size(), 6u);
}

TEST(Font, AlignmentShiftsByTheInkWidth) {
    FakeFont fake;
    fake.font->draw(*fake.framebuffer, "Tab", {40, 30}, 30, {1, 1, 1, 1});
    auto drawn = fake.last_vertices();
    fake.font->draw_aligned(*fake.framebuffer, "Tab", {40, 30}, 0, 30, {1, 1, 1, 1});
    auto aligned = fake.last_vertices();
    ASSERT_EQ(aligned.size(), drawn.size());
    for (std::size_t i = 0; i < drawn.size(); ++i) EXPECT_EQ(aligned[i].a_pos, drawn[i].a_pos) << i;

    // Alignment 1 ends the ink at the position plus the first glyph's left
    // bearing.
    AabbF32 box = fake.font->measure("Tab", 30);
    fake.font->draw_aligned(*fake.framebuffer, "Tab", {140, 30}, 1, 30, {1, 1, 1, 1});
    float right = -std::numeric_limits<float>::infinity();
    for (const auto& vertex : fake.last_vertices()) right = std::max(right, vertex.a_pos.x);
    EXPECT_EQ(right, 140 + box.x_min);
}

// Sizes and positions from players' programs: none of these may stop the
// program, allocate without bound or draw anything.
TEST(Font, HostileSizesAndPositionsDrawNothing) {
    constexpr float NAN_F = std::numeric_limits<float>::quiet_NaN();
    constexpr float INF = std::numeric_limits<float>::infinity();
    constexpr float MAX = std::numeric_limits<float>::max();
    struct Case {
        float size;
        Vec2F32 position;
        bool measures_zero;
    };
    const std::vector<Case> cases = {
        {NAN_F, {10, 10}, true},   {INF, {10, 10}, true},      {-INF, {10, 10}, true},
        {-12, {10, 10}, true},     {0, {10, 10}, true},        {1e30f, {10, 10}, true},
        {MAX, {10, 10}, true},     {3e7f, {10, 10}, true},     {20, {NAN_F, 10}, true},
        {20, {10, INF}, true},     {20, {-INF, 10}, true},     {20, {-1e30f, 10}, true},
        {20, {10, 3e7f}, true},    {20, {MAX, MAX}, true},
        // Usable numbers whose every glyph is larger than the cache: refused
        // before rasterising.
        {5000, {10, 10}, false},   {1.6e7f, {10, 10}, false},
    };
    FakeFont fake;
    for (const Case& c : cases) {
        std::string label = std::to_string(c.size) + " at " + std::to_string(c.position.x) + ", " +
                            std::to_string(c.position.y);
        AabbF32 box = fake.font->measure_at("WOW!", c.position, c.size);
        if (c.measures_zero) {
            EXPECT_EQ(box, AabbF32{}) << label;
        } else {
            EXPECT_TRUE(std::isfinite(box.x_max) && std::isfinite(box.y_max)) << label;
        }
        fake.font->draw(*fake.framebuffer, "WOW!", c.position, c.size, {1, 1, 1, 1});
        fake.font->draw_aligned(*fake.framebuffer, "WOW!", c.position, 0.5f, c.size, {1, 1, 1, 1});
        EXPECT_EQ(fake.count("tex_sub_image_2d"), 0u) << label;
        EXPECT_EQ(fake.count("draw_arrays"), 0u) << label;
    }
    // A NaN alignment moves the position to NaN.
    fake.font->draw_aligned(*fake.framebuffer, "WOW!", {10, 10}, NAN_F, 20, {1, 1, 1, 1});
    EXPECT_EQ(fake.count("draw_arrays"), 0u);
}

}  // namespace
