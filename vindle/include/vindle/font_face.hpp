#pragma once
// The CPU side of a TrueType font: single-line layout with advances and
// kerning, whole-pixel glyph boxes, measuring and rasterising coverage. It
// needs no GL context, so texts can be measured without a display.
//
// Unit scale is the rasteriser's: the distance from the descent line to the
// ascent line is 1, so at size s a line box is s pixels high.
#include <cstdint>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string_view>
#include <vector>

#include <kimbly/aabb.hpp>
#include <kimbly/vec2.hpp>

namespace vindle::font {

// "Failed to read font".
class FontError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Sizes and positions reach the font from players' programs. Beyond 2^24 a
// float no longer holds every whole pixel, so a size or a position outside
// this bound (or not finite, or a size that is not positive) makes a text
// that draws nothing and measures as the zero box.
inline constexpr float MAX_COORDINATE = 16777216.0f;
bool usable(float size, kimbly::Vec2F32 position);

// One glyph of a laid-out line: its index in the font and its origin on the
// baseline, in a y-down frame.
struct LaidGlyph {
    int index = 0;
    kimbly::Vec2F32 position;
};

class FontFace {
public:
    // The font's bytes, taken over; FontError when they are not a TrueType
    // font.
    static FontFace parse(std::vector<std::uint8_t> bytes);

    FontFace(FontFace&&) noexcept;
    FontFace& operator=(FontFace&&) noexcept;
    FontFace(const FontFace&) = delete;
    FontFace& operator=(const FontFace&) = delete;

    // The descent line below the baseline at unit scale (negative for usual
    // fonts).
    float descent() const { return descent_; }

    // One glyph per character (UTF-8; a malformed byte is the replacement
    // character), each advanced by its advance width plus the kerning with
    // its left neighbour, starting at `origin` (the baseline origin, y down).
    std::vector<LaidGlyph> layout(std::string_view text, float size, kimbly::Vec2F32 origin) const;

    // The whole pixels a glyph at `position` (y down) inks, as the
    // rasteriser rounds them: none for a glyph without ink (a space).
    std::optional<kimbly::AabbF32> pixel_box(int glyph, float size, kimbly::Vec2F32 position) const;

    // Coverage bytes, one per pixel and rows from the top, of a glyph drawn
    // at the sub-pixel `offset` into its pixel_box at that offset, whose
    // `width` × `height` the caller passes back (the cache has checked that
    // they are small).
    std::vector<std::uint8_t> rasterise(int glyph, float size, kimbly::Vec2F32 offset, std::uint32_t width,
                                        std::uint32_t height) const;

    // The ink box of `text` whose descent line starts at `position`, y up;
    // the zero box when no glyph has ink or the text is not usable.
    kimbly::AabbF32 measure_at(std::string_view text, kimbly::Vec2F32 position, float size) const;
    kimbly::AabbF32 measure(std::string_view text, float size) const { return measure_at(text, {0, 0}, size); }

    ~FontFace();

private:
    struct Info;
    FontFace(std::vector<std::uint8_t> bytes, std::unique_ptr<Info> info);
    float scale(float size) const;

    std::vector<std::uint8_t> bytes_;
    std::unique_ptr<Info> info_;
    float descent_ = 0;
};

}  // namespace vindle::font
