#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "golden.hpp"
#include "pakko_gen/java/generator.hpp"
#include "pakko_gen/kotlin/generator.hpp"
#include "pakko_gen/scala/generator.hpp"
#include "pakko_gen/templates.hpp"

namespace {

// Editors and checkouts must not change how the shipped files end.
TEST(Templates, EachHelperFileEndsAsShipped) {
    struct Case {
        const char* path;
        std::string_view ending;  // the last line's end and the empty lines after it
    };
    const Case cases[] = {
        {"cpp/Stream.hpp", "\n"},
        {"cpp/Stream.cpp", "\n"},
        {"csharp/StreamUtil.cs", "\n"},
        {"java/util/StreamUtil.java", ""},
        {"go/stream/stream.go", ""},
        {"dlang/stream.d", "\n"},
        {"rust/Cargo.toml", ""},
        {"kotlin/util/StreamUtil.kt", "\n\n"},
        {"scala/util/StreamUtil.scala", ""},
        {"javascript/stream-wrapper.js", ""},
        {"python/stream_wrapper.py", "\n"},
        {"ruby/stream_wrapper.rb", ""},
    };
    for (const auto& c : cases) {
        auto text = pakko_gen::template_text(c.path);
        ASSERT_FALSE(text.empty()) << c.path;
        auto last = text.find_last_not_of('\n');
        ASSERT_NE(last, std::string_view::npos) << c.path;
        EXPECT_EQ(text.substr(last + 1), c.ending) << c.path;
        EXPECT_EQ(text.find('\r'), std::string_view::npos) << c.path;
    }
}

// Before any type is added, a generator holds its stream helper alone.
TEST(Templates, JvmGeneratorsStartWithTheirStreamHelperAlone) {
    namespace t = pakko_gen::testing;
    auto helper_alone = [](std::string_view folder, std::string_view path) {
        return std::vector<pakko_gen::GenFile>{
            {std::string(path), std::string(pakko_gen::template_text(std::string(folder) + "/" + std::string(path)))}};
    };
    EXPECT_EQ(t::generate<pakko_gen::java::Generator>({}).files, helper_alone("java", "util/StreamUtil.java"));
    EXPECT_EQ(t::generate<pakko_gen::kotlin::Generator>({}).files, helper_alone("kotlin", "util/StreamUtil.kt"));
    EXPECT_EQ(t::generate<pakko_gen::scala::Generator>({}).files, helper_alone("scala", "util/StreamUtil.scala"));
}

}  // namespace
