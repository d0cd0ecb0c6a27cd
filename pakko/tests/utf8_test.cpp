#include "pakko/utf8.hpp"

#include <gtest/gtest.h>

namespace {

constexpr const char* REPLACEMENT = "\xEF\xBF\xBD";

TEST(Utf8Lossy, ReplacesEachIllFormedPartOnce) {
    struct Case {
        std::string bytes;
        std::string expected;
    };
    const std::string r = REPLACEMENT;
    const Case cases[] = {
        {"plain ascii", "plain ascii"},
        {"caf\xC3\xA9 \xF0\x9F\x99\x82", "caf\xC3\xA9 \xF0\x9F\x99\x82"},
        {"a\xFF" "b", "a" + r + "b"},
        {"cut \xE2\x82", "cut " + r},                       // a sequence cut off by the end
        {"\xE2\x82" "x", r + "x"},                           // ... or by an ASCII byte
        {"\xC0\xAF", r + r},                                 // overlong lead, stray continuation
        {"\xED\xA0\x80", r + r + r},                         // surrogate: second byte out of range
        {"\xF4\x90\x80\x80", r + r + r + r},                 // above U+10FFFF
        {std::string("nul\0kept", 8), std::string("nul\0kept", 8)},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(pakko::utf8_lossy(c.bytes), c.expected) << c.bytes;
    }
}

}  // namespace
