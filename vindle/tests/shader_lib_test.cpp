#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <ovra/raw/recording_context.hpp>
#include <test_support/panic_message.hpp>

#include "shader_lib_prelude.hpp"
#include "vindle/shader_lib.hpp"

namespace {

using vindle::shader_lib::IncludeError;
using vindle::shader_lib::ShaderLib;

struct FakeLibrary {
    FakeLibrary() {
        auto raw = std::make_unique<ovra_raw::RecordingContext>();
        gl = raw.get();
        library = std::make_unique<ShaderLib>(ovra::Ovra::create_with(std::move(raw)));
    }
    ovra_raw::RecordingContext* gl;
    std::unique_ptr<ShaderLib> library;
};

// What preprocessing gives: the text, or an error value, or a stop.
struct Outcome {
    enum Kind { Text, Error, Stop } kind;
    std::string value;
};

Outcome preprocessed(const ShaderLib& library, const std::string& source) {
    Outcome outcome{Outcome::Text, ""};
    std::string stop = test_support::panic_message([&] {
        try {
            outcome.value = library.preprocess(source);
        } catch (const IncludeError& error) {
            outcome = {Outcome::Error, error.what()};
        }
    });
    if (stop != "no stop") outcome = {Outcome::Stop, stop};
    return outcome;
}

TEST(ShaderLib, Preprocessing) {
    struct Case {
        const char* name;
        std::string source;
        Outcome::Kind kind;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"empty source", "", Outcome::Text, ""},
        {"last line gets a break", "a\nb", Outcome::Text, "a\nb\n"},
        {"CR-LF becomes LF", "a\r\nb\r\n\r\n", Outcome::Text, "a\nb\n\n"},
        {"blanks before the directive", "  #include <inc>", Outcome::Text, "  #include <inc>\n"},
        {"include", "x\n#include <inc>\ny", Outcome::Text, "x\ninc 1\ninc 2\ny\n"},
        {"longer first word", "#includes <inc>", Outcome::Text, "inc 1\ninc 2\n"},
        {"doubled brackets", "#include <<inc>>", Outcome::Text, "inc 1\ninc 2\n"},
        {"nested includes", "#include <outer>\r\n", Outcome::Text, "outer\ninc 1\ninc 2\n"},
        {"trailing blanks", "#include\t<inc>  \r", Outcome::Text, "inc 1\ninc 2\n"},
        {"missing name", "#include <nope>", Outcome::Error, "\"nope\" not found in shader library"},
        {"name quoted with escapes", "#include <a\"b>", Outcome::Error, "\"a\\\"b\" not found in shader library"},
        {"brackets only", "#include <<>>", Outcome::Error, "\"\" not found in shader library"},
        {"cycle", "#include <ping>", Outcome::Error, "\"ping\" included more than 32 levels deep"},
        {"no path", "#include", Outcome::Stop, "Expected path to include"},
        {"no path after blanks", "#include   ", Outcome::Stop, "Expected path to include"},
        {"two paths", "#include <inc> <inc>", Outcome::Stop, "Unexpected token"},
        {"no brackets", "#include inc", Outcome::Stop, "include path should be enclosed in angular brackets"},
        {"no closing bracket", "#include <inc", Outcome::Stop, "include path should be enclosed in angular brackets"},
    };
    FakeLibrary fake;
    fake.library->add("inc", "inc 1\r\ninc 2");
    fake.library->add("outer", "outer\n#include <inc>\n");
    fake.library->add("ping", "#include <pong>");
    fake.library->add("pong", "#include <ping>");
    for (const Case& c : cases) {
        Outcome outcome = preprocessed(*fake.library, c.source);
        EXPECT_EQ(outcome.kind, c.kind) << c.name << ": " << outcome.value;
        EXPECT_EQ(outcome.value, c.expected) << c.name;
    }
}

TEST(ShaderLib, StageTextOfOneLineSource) {
    FakeLibrary fake;
    std::string prelude = std::string(vindle::shader_lib::PRELUDE) + "\n";
    EXPECT_EQ(fake.library->process(ovra::ShaderType::Vertex, "void main() {}"),
              "#version 100\nprecision highp int;\nprecision highp float;\n#define VERTEX_SHADER\n" + prelude +
                  "void main() {}\n");
    EXPECT_EQ(fake.library->process(ovra::ShaderType::Fragment, "x"),
              "#version 100\nprecision highp int;\nprecision highp float;\n#define FRAGMENT_SHADER\n" + prelude +
                  "x\n");

    // The prelude is looked up by name, so a replacement takes its place.
    fake.library->add("prelude", "P");
    EXPECT_EQ(fake.library->process(ovra::ShaderType::Vertex, "x"),
              "#version 100\nprecision highp int;\nprecision highp float;\n#define VERTEX_SHADER\nP\nx\n");
}

TEST(ShaderLib, CompileStopsAtTheFirstFailure) {
    FakeLibrary fake;
    EXPECT_THROW((void)fake.library->compile("#include <nope>"), IncludeError);
    EXPECT_TRUE(fake.gl->calls_named("create_shader").empty());

    fake.gl->compile_succeeds = false;
    EXPECT_THROW((void)fake.library->compile("void main() {}"), ovra::ShaderCompilationError);
    EXPECT_EQ(fake.gl->calls_named("create_shader").size(), 1u);

    fake.gl->compile_succeeds = true;
    fake.gl->link_succeeds = false;
    EXPECT_THROW((void)fake.library->compile("void main() {}"), ovra::ProgramLinkError);
    EXPECT_EQ(test_support::panic_message([&] { (void)compile_or_stop(*fake.library, "void main() {}"); }),
              "Program link failed:\n");
}

}  // namespace
