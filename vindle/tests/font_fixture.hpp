#pragma once
// The built-in font, parsed once for the tests that measure or lay out text.
#include "vindle/font.hpp"

namespace vindle::testing {

inline const font::FontFace& default_face() {
    static const font::FontFace parsed = [] {
        auto bytes = font::default_font_bytes();
        return font::FontFace::parse({bytes.begin(), bytes.end()});
    }();
    return parsed;
}

}  // namespace vindle::testing
