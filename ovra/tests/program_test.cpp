#include <gtest/gtest.h>

#include "fake_gl.hpp"
#include "ovra/program.hpp"
#include "test_support/panic_message.hpp"

namespace {

using test_support::panic_message;
using ovra_raw::RecordingContext;

struct ProgramTest : ::testing::Test {
    ovra::testing::FakeGl fake;
    RecordingContext& gl = *fake.gl;

    ovra::Shader shader(ovra::ShaderType type) { return ovra::Shader(fake.ovra, type, "void main() {}"); }
};

TEST_F(ProgramTest, CompiledShaderIsDeletedWhenDropped) {
    {
        ovra::Shader vertex = shader(ovra::ShaderType::Vertex);
        EXPECT_EQ(vertex.handle(), 1u);
    }
    EXPECT_EQ(gl.calls, (std::vector<std::string>{"create_shader(35633) -> 1", "shader_source(1, \"void main() {}\")",
                                                  "compile_shader(1)", "get_shader_parameter_bool(1, 35713)",
                                                  "delete_shader(1)"}));
}

// The driver's log arrives with the terminator GL counted in its length and,
// here, a byte that is not UTF-8: the message keeps neither.
TEST_F(ProgramTest, FailedCompileReportsTheLogCutAtItsNulAndDeletesTheShader) {
    gl.compile_succeeds = false;
    gl.shader_info_log = std::string("0:1(1): error: bad \xFF token\0\0garbage", 36);
    try {
        shader(ovra::ShaderType::Fragment);
        FAIL() << "compiled";
    } catch (const ovra::ShaderCompilationError& error) {
        EXPECT_EQ(error.log(), "0:1(1): error: bad \xEF\xBF\xBD token");
        EXPECT_EQ(std::string(error.what()), "Shader compilation failed:\n0:1(1): error: bad \xEF\xBF\xBD token");
    }
    EXPECT_EQ(gl.calls.back(), "delete_shader(1)");
}

TEST_F(ProgramTest, LinkAttachesAndDetachesInOrderAndMapsActiveNames) {
    gl.attributes = {{{"a_pos", 1, 35664}, 3}, {{"a_color", 1, 35666}, 0}};
    gl.uniforms = {{{"u_color", 1, 35666}, 5}};
    ovra::Shader vertex = shader(ovra::ShaderType::Vertex);
    ovra::Shader fragment = shader(ovra::ShaderType::Fragment);
    gl.calls.clear();
    ovra::Program program(fake.ovra, {&vertex, &fragment});

    std::size_t link = gl.find("link_program(3)");
    EXPECT_LT(gl.find("attach_shader(3, 2)", gl.find("attach_shader(3, 1)")), link);
    EXPECT_LT(gl.find("detach_shader(3, 2)", gl.find("detach_shader(3, 1)", link)), gl.calls.size());
    ASSERT_EQ(program.attributes().size(), 2u);
    EXPECT_EQ(program.attributes().at("a_pos").location, 3);
    EXPECT_EQ(program.attributes().at("a_color").info, (ovra_raw::ActiveInfo{"a_color", 1, 35666}));
    EXPECT_EQ(program.uniforms().at("u_color").location, 5);
    EXPECT_EQ(program.uniforms().count("u_missing"), 0u);

    program.bind();
    EXPECT_EQ(gl.calls.back(), "use_program(3)");
}

TEST_F(ProgramTest, FailedLinkReportsTheLogAndDeletesTheProgram) {
    gl.link_succeeds = false;
    gl.program_info_log = std::string("error: varying v_x not written\0", 31);
    ovra::Shader vertex = shader(ovra::ShaderType::Vertex);
    try {
        ovra::Program program(fake.ovra, {&vertex});
        FAIL() << "linked";
    } catch (const ovra::ProgramLinkError& error) {
        EXPECT_EQ(std::string(error.what()), "Program link failed:\nerror: varying v_x not written");
    }
    EXPECT_EQ(gl.calls.back(), "delete_program(2)");
}

TEST_F(ProgramTest, BrokenActiveNamesStopTheProgram) {
    struct Case {
        std::vector<RecordingContext::Active> attributes;
        std::vector<RecordingContext::Active> uniforms;
        std::string message;
    };
    const Case cases[] = {
        {{{{"a_pos", 1, 35664}, -1}}, {}, "assertion failed: location >= 0"},
        {{}, {{{"u_gone", 1, 5126}, -1}}, "active uniform u_gone has no location"},
        {{{{"a_\xFF", 1, 5126}, 0}}, {}, "active name is not UTF-8: invalid UTF-8 sequence starting at byte index 2"},
        {{}, {{{std::string("u\0x", 3), 1, 5126}, 0}}, "active name holds a zero byte"},
    };
    for (const Case& c : cases) {
        gl.attributes = c.attributes;
        gl.uniforms = c.uniforms;
        ovra::Shader vertex = shader(ovra::ShaderType::Vertex);
        EXPECT_EQ(panic_message([&] { ovra::Program program(fake.ovra, {&vertex}); }), c.message);
    }
}

TEST_F(ProgramTest, NoHandleFromGlStops) {
    gl.hand_out_objects = false;
    EXPECT_EQ(panic_message([&] { shader(ovra::ShaderType::Vertex); }), "GL handed out no shader");
    EXPECT_EQ(panic_message([&] { ovra::Program program(fake.ovra, {}); }), "GL handed out no program");
}

}  // namespace
