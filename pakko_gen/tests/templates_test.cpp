#include <string_view>

#include <gtest/gtest.h>

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
        {"java/util/StreamUtil.java", ""},
        {"go/stream/stream.go", ""},
        {"dlang/stream.d", "\n"},
        {"rust/Cargo.toml", ""},
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

}  // namespace
