#include <gtest/gtest.h>

#include <cstdlib>

#include "ovra/draw.hpp"
#include "ovra/testing/gl_test.hpp"

namespace gl_records {

struct Corner {
    float a_pos[2];
};
constexpr std::array<ovra::VertexAttribute, 1> vertex_attributes(std::type_identity<Corner>) {
    return {{{"a_pos", 0, 2}}};
}

struct Quad {
    float i_pos[2];
    float i_color[4];
};
constexpr std::array<ovra::VertexAttribute, 2> vertex_attributes(std::type_identity<Quad>) {
    return {{{"i_pos", offsetof(Quad, i_pos), 2}, {"i_color", offsetof(Quad, i_color), 4}}};
}

}  // namespace gl_records

namespace {

using gl_records::Corner;
using gl_records::Quad;
using ovra::testing::pixel_at;
using ovra::testing::read_pixels;
using Pixel = std::array<std::uint8_t, 4>;

constexpr const char* INSTANCED_VERTEX = R"(#version 100
attribute vec2 a_pos;
attribute vec2 i_pos;
attribute vec4 i_color;
varying vec4 v_color;
void main() {
    v_color = i_color;
    gl_Position = vec4(i_pos + a_pos, 0.0, 1.0);
}
)";

constexpr const char* TINTED_FRAGMENT = R"(#version 100
precision mediump float;
varying vec4 v_color;
uniform vec4 u_tint;
void main() {
    gl_FragColor = v_color * u_tint;
}
)";

bool near(Pixel actual, Pixel expected) {
    for (std::size_t i = 0; i < 4; ++i) {
        if (std::abs(int(actual[i]) - int(expected[i])) > 1) return false;
    }
    return true;
}

struct DrawGlTest : ovra::testing::GlTest {
    ovra::Program program() {
        ovra::Shader vertex(ovra, ovra::ShaderType::Vertex, INSTANCED_VERTEX);
        ovra::Shader fragment(ovra, ovra::ShaderType::Fragment, TINTED_FRAGMENT);
        return ovra::Program(ovra, {&vertex, &fragment});
    }
};

// Unit quads placed by instance in the quadrants of clip space: the lower
// left one red, the lower right one green, the upper left one blue. The
// instance range leaves out the fourth record, so the upper right quadrant
// keeps the clear colour.
TEST_F(DrawGlTest, InstancedQuadsLandInTheirQuadrants) {
    auto target = ovra::Texture2d::new_uninitialized(ovra, {64, 64});
    ovra::Framebuffer framebuffer(ovra, target);
    ovra::Program quads = program();
    auto corners = ovra::VertexBuffer<Corner>::new_static(ovra, {{{0, 0}}, {{1, 0}}, {{1, 1}}, {{0, 1}}});
    auto instances = ovra::VertexBuffer<Quad>::new_dynamic(ovra, {{{-1, -1}, {1, 0, 0, 1}},
                                                                  {{0, -1}, {0, 1, 0, 1}},
                                                                  {{-1, 0}, {0, 0, 1, 1}},
                                                                  {{0, 0}, {1, 1, 1, 1}}});
    ovra::draw::clear(framebuffer, kimbly::ColorF32{0.2f, 0.2f, 0.2f, 1.0f}, 1.0f);
    ovra::draw::draw(framebuffer, quads, ovra::draw_mode::TriangleFan{},
                     ovra::VertexData::instanced(corners, ovra::VertexRange(instances, 0, 3)),
                     {{"u_tint", kimbly::ColorF32{1.0f, 0.5f, 1.0f, 1.0f}}}, {});
    EXPECT_EQ(ovra::testing::take_gl_error(), 0u);

    std::vector<std::uint8_t> pixels = read_pixels(framebuffer);
    ovra::testing::write_png(VELMORA_BINARY_DIR "/ovra_instanced_quads.png", framebuffer.size(), pixels);
    struct Probe {
        std::uint64_t x, y;
        Pixel expected;
    };
    const Probe probes[] = {
        {0, 0, {255, 0, 0, 255}},    {31, 31, {255, 0, 0, 255}},  {16, 16, {255, 0, 0, 255}},
        {32, 0, {0, 128, 0, 255}},   {63, 31, {0, 128, 0, 255}},  {0, 32, {0, 0, 255, 255}},
        {31, 63, {0, 0, 255, 255}},  {32, 32, {51, 51, 51, 255}}, {63, 63, {51, 51, 51, 255}},
    };
    for (const Probe& p : probes) {
        Pixel actual = pixel_at(pixels, 64, p.x, p.y);
        EXPECT_TRUE(near(actual, p.expected)) << "at (" << p.x << ", " << p.y << "): " << int(actual[0]) << " "
                                              << int(actual[1]) << " " << int(actual[2]) << " " << int(actual[3]);
    }
}

// A texture drawn over a framebuffer of its own size shows each texel at its
// pixel: row 0 of the data is v = 0, the bottom row. The set names a texture
// the program lacks first; it takes no unit, so the sampler's unit 0 holds
// the right texture.
TEST_F(DrawGlTest, TextureUniformSamplesRowZeroAtTheBottom) {
    ovra::Shader vertex(ovra, ovra::ShaderType::Vertex, R"(#version 100
attribute vec2 a_pos;
varying vec2 v_uv;
void main() {
    v_uv = a_pos;
    gl_Position = vec4(a_pos * 2.0 - 1.0, 0.0, 1.0);
}
)");
    ovra::Shader fragment(ovra, ovra::ShaderType::Fragment, R"(#version 100
precision mediump float;
varying vec2 v_uv;
uniform sampler2D u_texture;
void main() {
    gl_FragColor = texture2D(u_texture, v_uv);
}
)");
    ovra::Program textured(ovra, {&vertex, &fragment});
    auto texels = ovra::Texture2d::new_with(ovra, {2, 2}, [](kimbly::Vec2Usize p) {
        return kimbly::ColorF32{p.x == 0 ? 1.0f : 0.0f, p.y == 0 ? 1.0f : 0.0f, 0.0f, 1.0f};
    });
    auto unused = ovra::Texture2d::new_uninitialized(ovra, {1, 1});
    auto target = ovra::Texture2d::new_uninitialized(ovra, {2, 2});
    ovra::Framebuffer framebuffer(ovra, target);
    auto corners = ovra::VertexBuffer<Corner>::new_static(ovra, {{{0, 0}}, {{1, 0}}, {{1, 1}}, {{0, 1}}});
    ovra::draw::draw(framebuffer, textured, ovra::draw_mode::TriangleFan{}, corners,
                     {{"u_other", &unused}, {"u_texture", &texels}}, {});
    EXPECT_EQ(ovra::testing::take_gl_error(), 0u);

    std::vector<std::uint8_t> pixels = read_pixels(framebuffer);
    EXPECT_EQ(pixel_at(pixels, 2, 0, 0), (Pixel{255, 255, 0, 255}));
    EXPECT_EQ(pixel_at(pixels, 2, 1, 0), (Pixel{0, 255, 0, 255}));
    EXPECT_EQ(pixel_at(pixels, 2, 0, 1), (Pixel{255, 0, 0, 255}));
    EXPECT_EQ(pixel_at(pixels, 2, 1, 1), (Pixel{0, 0, 0, 255}));
}

TEST_F(DrawGlTest, SubImageReplacesOnlyItsRectangle) {
    auto texture = ovra::Texture2d::new_with(ovra, {4, 3}, [](kimbly::Vec2Usize) {
        return kimbly::ColorF32{0, 0, 0, 1};
    });
    std::vector<std::uint8_t> patch = {10, 20, 30, 255, 40, 50, 60, 255, 70, 80, 90, 255,
                                       11, 21, 31, 255, 41, 51, 61, 255, 71, 81, 91, 255};
    texture.sub_image({1, 1}, {3, 2}, patch);
    ovra::Framebuffer framebuffer(ovra, texture);
    std::vector<std::uint8_t> pixels = read_pixels(framebuffer);
    EXPECT_EQ(pixel_at(pixels, 4, 0, 1), (Pixel{0, 0, 0, 255}));
    EXPECT_EQ(pixel_at(pixels, 4, 1, 0), (Pixel{0, 0, 0, 255}));
    EXPECT_EQ(pixel_at(pixels, 4, 1, 1), (Pixel{10, 20, 30, 255}));
    EXPECT_EQ(pixel_at(pixels, 4, 3, 1), (Pixel{70, 80, 90, 255}));
    EXPECT_EQ(pixel_at(pixels, 4, 1, 2), (Pixel{11, 21, 31, 255}));
    EXPECT_EQ(pixel_at(pixels, 4, 3, 2), (Pixel{71, 81, 91, 255}));
}

TEST_F(DrawGlTest, ClearWithNothingToClearChangesNoPixel) {
    auto target = ovra::Texture2d::new_with(ovra, {8, 8}, [](kimbly::Vec2Usize p) {
        return kimbly::ColorF32{float(p.x) / 8.0f, float(p.y) / 8.0f, 0.5f, 1.0f};
    });
    ovra::Framebuffer framebuffer(ovra, target);
    std::vector<std::uint8_t> before = read_pixels(framebuffer);
    ovra::draw::clear(framebuffer, std::nullopt, std::nullopt);
    EXPECT_EQ(ovra::testing::take_gl_error(), 0u);
    EXPECT_EQ(read_pixels(framebuffer), before);
    EXPECT_EQ(pixel_at(before, 8, 4, 2), (Pixel{127, 63, 127, 255}));
}

// Framebuffers of different shapes: the copy covers their common lower-left
// part pixel for pixel and leaves the rest of the destination alone.
TEST_F(DrawGlTest, CopyTakesTheCommonPartPixelForPixel) {
    auto texels = ovra::Texture2d::new_with(ovra, {4, 3}, [](kimbly::Vec2Usize p) {
        return kimbly::ColorF32{static_cast<float>(p.x) / 4.0f, static_cast<float>(p.y) / 3.0f, 0.5f, 1.0f};
    });
    ovra::Framebuffer source(ovra, texels);
    const std::vector<std::uint8_t> expected = read_pixels(source);
    auto target = ovra::Texture2d::new_uninitialized(ovra, {3, 4});
    ovra::Framebuffer destination(ovra, target);
    ovra::draw::clear(destination, kimbly::ColorF32{0, 0, 0, 0}, {});

    ovra::draw::copy(source, destination);
    EXPECT_EQ(ovra::testing::take_gl_error(), 0u);

    const std::vector<std::uint8_t> pixels = read_pixels(destination);
    for (std::uint64_t y = 0; y < 4; ++y) {
        for (std::uint64_t x = 0; x < 3; ++x) {
            const Pixel want = y < 3 ? pixel_at(expected, 4, x, y) : Pixel{0, 0, 0, 0};
            EXPECT_EQ(pixel_at(pixels, 3, x, y), want) << "at (" << x << ", " << y << ")";
        }
    }
}

}  // namespace
