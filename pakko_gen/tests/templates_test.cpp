#include <string_view>

#include <gtest/gtest.h>

#include "pakko_gen/templates.hpp"

namespace {

// Editors and checkouts must not change how the shipped files end.
TEST(Templates, EachHelperFileEndsAsShipped) {
    struct Case {
        const char* path;
        bool final_line_feed;
    };
    const Case cases[] = {
        {"cpp/Stream.hpp", true},
        {"cpp/Stream.cpp", true},
    };
    for (const auto& c : cases) {
        auto text = pakko_gen::template_text(c.path);
        ASSERT_FALSE(text.empty()) << c.path;
        EXPECT_EQ(text.ends_with('\n'), c.final_line_feed) << c.path;
        EXPECT_FALSE(text.ends_with("\n\n")) << c.path;
        EXPECT_EQ(text.find('\r'), std::string_view::npos) << c.path;
    }
}

}  // namespace
