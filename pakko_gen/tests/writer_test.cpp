#include <functional>
#include <string>

#include <gtest/gtest.h>
#include <test_support/panic_message.hpp>

#include "pakko_gen/writer.hpp"

namespace {

using pakko_gen::Writer;

TEST(Writer, IndentsEachLineAtTheLevelOfItsFirstCharacter) {
    struct Case {
        const char* name;
        std::function<void(Writer&)> steps;
        std::string expected;
    };
    const Case cases[] = {
        {"empty lines stay empty",
         [](Writer& w) {
             w.indent();
             w.write_str("a\n\nb");
             w.unindent();
         },
         "    a\n\n    b"},
        {"level raised between a line feed and the next character",
         [](Writer& w) {
             w.write_str("{\n");
             w.indent();
             w.write_str("x;\n");
             w.unindent();
             w.write_str("}\n");
         },
         "{\n    x;\n}\n"},
        {"pieces continue a line without a second indentation",
         [](Writer& w) {
             w.indent();
             w.indent();
             w.write_str("yield ");
             w.write_str("value");
             w.line(" + ", "1");
             w.unindent();
             w.unindent();
         },
         "        yield value + 1\n"},
        {"carriage return is an ordinary character",
         [](Writer& w) {
             w.indent();
             w.write_str("\r\n");
             w.write_str("a\r\n");
             w.unindent();
         },
         "    \r\n    a\r\n"},
        {"line joins pieces; no pieces is an empty line",
         [](Writer& w) {
             w.line("class ", std::string("T"), " {");
             w.line();
             w.line("};");
         },
         "class T {\n\n};\n"},
        {"multi-byte characters pass through",
         [](Writer& w) {
             w.indent();
             w.line("// привет");
             w.unindent();
         },
         "    // привет\n"},
    };
    for (const auto& c : cases) {
        Writer writer;
        c.steps(writer);
        EXPECT_EQ(std::move(writer).take_text(), c.expected) << c.name;
    }
}

TEST(Writer, TakingTheTextAtANonZeroLevelStops) {
    EXPECT_EQ(test_support::panic_message([] {
                  Writer writer;
                  writer.indent();
                  writer.line("x");
                  (void)std::move(writer).take_text();
              }),
              "assertion failed: `(left == right)`\n  left: `1`,\n right: `0`: Incorrect indentation");
}

}  // namespace
