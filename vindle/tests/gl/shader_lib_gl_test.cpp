#include <string>

#include <ovra/draw.hpp>

#include "engine_gl_test.hpp"
#include "vindle/draw_2d.hpp"
#include "vindle/font.hpp"

namespace {

using vindle::testing::EngineGlTest;

TEST_F(EngineGlTest, EveryProgramOfTheEngineCompilesAndLinks) {
    const std::pair<const char*, std::string_view> programs[] = {
        {"colour", vindle::draw_2d::COLOR_PROGRAM},
        {"textured", vindle::draw_2d::TEXTURED_PROGRAM},
        {"ellipse", vindle::draw_2d::ELLIPSE_PROGRAM},
        {"text", vindle::font::TEXT_PROGRAM},
    };
    for (const auto& [name, source] : programs) {
        try {
            (void)library->compile(source);
        } catch (const std::exception& error) {
            ADD_FAILURE() << name << ": " << error.what();
        }
    }
    EXPECT_EQ(ovra::testing::take_gl_error(), 0u);
}

// The prelude's functions, evaluated in a fragment shader and written out as
// colours (each component c as c × 0.5 + 0.5).
TEST_F(EngineGlTest, PreludeTurnsAndMovesAsDocumented) {
    struct Case {
        const char* expression;  // a vec3
        vindle::testing::Pixel expected;
    };
    const Case cases[] = {
        // The 2D rotation turns clockwise: (1, 0) by a quarter turn is (0, -1).
        {"vec3(rotate(vec2(1.0, 0.0), PI / 2.0), 0.0)", {128, 0, 128, 255}},
        // The 3D one turns counter-clockwise about an axis pointing at the viewer.
        {"rotate(vec3(1.0, 0.0, 0.0), vec3(0.0, 0.0, 2.0), PI / 2.0)", {128, 255, 128, 255}},
        {"(translationMatrix(0.25, 0.0, -0.5) * scaleMatrix(0.5) * vec4(0.5, 1.0, 0.0, 1.0)).xyz",
         {191, 191, 64, 255}},
        {"vec3(G(vec2(0.0), sqrt(0.5 / PI)) - 1.0, 0.0, 0.0)", {128, 128, 128, 255}},
    };
    auto corners = ovra::VertexBuffer<vindle::draw_2d::QuadVertex>::new_static(
        ovra, {{{-1, -1}}, {{1, -1}}, {{1, 1}}, {{-1, 1}}});
    for (const Case& c : cases) {
        ovra::Program program = library->compile(std::string(R"(
#ifdef VERTEX_SHADER
attribute vec2 a_quad_pos;
void main() {
    gl_Position = vec4(a_quad_pos, 0.0, 1.0);
}
#endif
#ifdef FRAGMENT_SHADER
void main() {
    gl_FragColor = vec4()") + c.expression + R"( * 0.5 + 0.5, 1.0);
}
#endif)");
        auto& framebuffer = target_of({4, 4});
        ovra::draw::draw(framebuffer, program, ovra::draw_mode::TriangleFan{}, corners, {}, {});
        auto pixel = ovra::testing::pixel_at(ovra::testing::read_pixels(framebuffer), 4, 2, 2);
        EXPECT_TRUE(vindle::testing::near(pixel, c.expected)) << c.expression << ": " << vindle::testing::describe(pixel);
    }
}

}  // namespace
