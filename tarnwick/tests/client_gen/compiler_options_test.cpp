#include <string>

#include <gtest/gtest.h>

#include "tarnwick/client_gen/maven.hpp"

namespace {

namespace cg = tarnwick::client_gen;
using cg::maven::Compiler;
using Traits = cg::GenOptionsTraits<cg::maven::GenOptions>;

Compiler parse(const char* text) { return Traits::from_json(pakko::json::Value::parse(text)).compiler; }

std::string failure(const char* text) {
    try {
        parse(text);
    } catch (const pakko::json::Error& error) {
        return error.what();
    }
    return "accepted";
}

TEST(CompilerOptions, AcceptedFormsChooseTheirCompiler) {
    const std::pair<const char*, Compiler> cases[] = {
        {"{}", Compiler::Vanilla},
        {"[]", Compiler::Vanilla},
        {R"({"compiler": "Vanilla"})", Compiler::Vanilla},
        {R"({"pakko": null})", Compiler::Vanilla},
        {R"({"compiler": "GraalVM"})", Compiler::GraalVM},
        {R"(["GraalVM"])", Compiler::GraalVM},
        {R"(["GraalVM", null])", Compiler::GraalVM},
        {R"({"compiler": {"GraalVM": null}})", Compiler::GraalVM},
        {R"({"compiler": "GraalVM", "extra": 5})", Compiler::GraalVM},
        {R"({"Compiler": "GraalVM"})", Compiler::Vanilla},
    };
    for (const auto& [text, compiler] : cases) EXPECT_EQ(parse(text), compiler) << text;
}

TEST(CompilerOptions, RejectedFormsGiveTheReadersError) {
    const std::pair<const char*, const char*> cases[] = {
        {"null", "invalid type: null, expected struct GenOptions"},
        {R"("Vanilla")", "invalid type: string \"Vanilla\", expected struct GenOptions"},
        {"5", "expected struct GenOptions"},
        {R"({"compiler": "graalvm"})", "unknown variant `graalvm`, expected one of `Vanilla`, `GraalVM`"},
        {R"({"pakko": 1})", "invalid type: integer `1`, expected unit"},
        {R"(["Vanilla", null, 0])", "invalid length 3, expected struct GenOptions with 2 elements"},
        {R"({"compiler": "Vanilla", "compiler": "GraalVM"})", "duplicate field `compiler`"},
        {R"({"pakko": null, "pakko": null})", "duplicate field `pakko`"},
        {R"({"compiler": {}})", "expected map with a single key"},
        {R"({"compiler": {"Vanilla": null, "GraalVM": null}})", "expected map with a single key"},
        {R"({"compiler": {"GraalVM": 1}})", "expected unit variant"},
        {R"({"compiler": 1})", "expected enum Compiler"},
    };
    for (const auto& [text, message] : cases) {
        EXPECT_NE(failure(text).find(message), std::string::npos) << text << ": " << failure(text);
    }
}

TEST(CompilerOptions, DebugFormNamesTheCompiler) {
    EXPECT_EQ(Traits::debug_form({}), "GenOptions {\n    compiler: Vanilla,\n    pakko: (),\n}");
    EXPECT_EQ(Traits::debug_form({Compiler::GraalVM, {}}), "GenOptions {\n    compiler: GraalVM,\n    pakko: (),\n}");
}

}  // namespace
