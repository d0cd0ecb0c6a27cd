#include <gtest/gtest.h>

#include "ovra/program.hpp"
#include "ovra/testing/gl_test.hpp"

namespace {

using ovra::testing::GlTest;

constexpr const char* VERTEX = R"(#version 100
attribute vec2 a_pos;
varying vec2 v_written;
void main() {
    v_written = a_pos;
    gl_Position = vec4(a_pos, 0.0, 1.0);
}
)";

TEST_F(GlTest, DriverCompileLogArrivesWithoutItsNul) {
    try {
        ovra::Shader shader(ovra, ovra::ShaderType::Fragment, "#version 100\nvoid main() { gl_FragColor = ; }\n");
        FAIL() << "compiled";
    } catch (const ovra::ShaderCompilationError& error) {
        std::string message = error.what();
        EXPECT_TRUE(message.starts_with("Shader compilation failed:\n")) << message;
        EXPECT_FALSE(error.log().empty());
        EXPECT_EQ(message.find('\0'), std::string::npos) << message;
        EXPECT_EQ(error.log().back() == '\0', false);
    }
}

TEST_F(GlTest, MismatchedVaryingsFailToLinkWithTheDriverLog) {
    ovra::Shader vertex(ovra, ovra::ShaderType::Vertex, VERTEX);
    ovra::Shader fragment(ovra, ovra::ShaderType::Fragment,
                          "#version 100\nprecision mediump float;\nvarying vec2 v_read;\n"
                          "void main() { gl_FragColor = vec4(v_read, 0.0, 1.0); }\n");
    try {
        ovra::Program program(ovra, {&vertex, &fragment});
        FAIL() << "linked";
    } catch (const ovra::ProgramLinkError& error) {
        std::string message = error.what();
        EXPECT_TRUE(message.starts_with("Program link failed:\n")) << message;
        EXPECT_GT(message.size(), std::string("Program link failed:\n").size());
        EXPECT_EQ(message.find('\0'), std::string::npos) << message;
    }
}

TEST_F(GlTest, LinkedProgramKnowsItsActiveNames) {
    ovra::Shader vertex(ovra, ovra::ShaderType::Vertex, VERTEX);
    ovra::Shader fragment(ovra, ovra::ShaderType::Fragment,
                          "#version 100\nprecision mediump float;\nvarying vec2 v_written;\nuniform vec4 u_color;\n"
                          "uniform vec2 u_unused;\n"
                          "void main() { gl_FragColor = u_color + vec4(v_written, 0.0, 0.0); }\n");
    ovra::Program program(ovra, {&vertex, &fragment});
    ASSERT_EQ(program.attributes().size(), 1u);
    EXPECT_GE(program.attributes().at("a_pos").location, 0);
    EXPECT_EQ(program.attributes().at("a_pos").info.type, 35664u);  // GL_FLOAT_VEC2
    // The driver drops what the shaders never read.
    ASSERT_EQ(program.uniforms().size(), 1u);
    EXPECT_EQ(program.uniforms().at("u_color").info.type, 35666u);  // GL_FLOAT_VEC4
    EXPECT_EQ(ovra::testing::take_gl_error(), 0u);
}

}  // namespace
