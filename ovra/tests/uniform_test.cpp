#include <gtest/gtest.h>

#include "fake_gl.hpp"
#include "ovra/texture.hpp"
#include "ovra/uniform.hpp"

namespace {

struct UniformTest : ::testing::Test {
    ovra::testing::FakeGl fake;
    ovra_raw::RecordingContext& gl = *fake.gl;
};

TEST_F(UniformTest, EachKindIsSetAtItsLocation) {
    ovra::Program program = fake.program({}, {{"u", 7}});
    kimbly::Mat4F32 matrix;
    for (int i = 0; i < 16; ++i) matrix.values[i] = float(i);
    struct Case {
        ovra::UniformValue value;
        std::string call;
    };
    const Case cases[] = {
        {matrix, "uniform_matrix4fv(7, 0, [0 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15])"},
        {kimbly::ColorF32{0.25f, 0.5f, 0.75f, 1.0f}, "uniform_4f(7, 0.25, 0.5, 0.75, 1)"},
        {std::array{1.0f, 2.0f, 3.0f, 4.0f}, "uniform_4f(7, 1, 2, 3, 4)"},
        {kimbly::Vec2F32{1.5f, -2.0f}, "uniform_2f(7, 1.5, -2)"},
        // Only the low 32 bits of each size reach GL.
        {kimbly::Vec2Usize{(std::uint64_t{1} << 32) + 5, 7}, "uniform_2i(7, 5, 7)"},
    };
    for (const Case& c : cases) {
        gl.calls.clear();
        ovra::apply_uniforms(program, {{"u", c.value}});
        EXPECT_EQ(gl.calls, std::vector<std::string>{c.call});
    }
}

// Units follow the order of the set among the textures the program uses: a
// texture whose name the program lacks takes none.
TEST_F(UniformTest, TexturesTakeUnitsInSetOrderSkippingUnknownNames) {
    auto first = ovra::Texture2d::new_uninitialized(fake.ovra, {1, 1});
    auto second = ovra::Texture2d::new_uninitialized(fake.ovra, {1, 1});
    auto third = ovra::Texture2d::new_uninitialized(fake.ovra, {1, 1});
    ovra::Program program = fake.program({}, {{"u_second", 4}, {"u_third", 6}});
    ovra::UNIFORM_TEXTURE_COUNT = 0;
    ovra::Uniforms uniforms{{"u_first", &first}, {"u_missing", kimbly::Vec2F32{}}};
    uniforms.append(ovra::Uniforms{{"u_second", &second}}).add("u_third", &third);
    ovra::apply_uniforms(program, uniforms);
    EXPECT_EQ(gl.calls, (std::vector<std::string>{"active_texture(33984)", "bind_texture(3553, 2)", "uniform_1i(4, 0)",
                                                  "active_texture(33985)", "bind_texture(3553, 3)",
                                                  "uniform_1i(6, 1)"}));
    EXPECT_EQ(ovra::UNIFORM_TEXTURE_COUNT, 2u);
}

}  // namespace
