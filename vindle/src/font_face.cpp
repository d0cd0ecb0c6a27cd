#include "vindle/font_face.hpp"

#include <algorithm>
#include <cmath>

#define STBTT_STATIC
#define STB_TRUETYPE_IMPLEMENTATION
#include <stb/stb_truetype.h>

namespace vindle::font {
namespace {

constexpr char32_t REPLACEMENT = 0xFFFD;

// The next code point of `text`, which it consumes; a byte that does not
// start a well-formed sequence is consumed alone as the replacement
// character.
char32_t next_code_point(std::string_view& text) {
    auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    unsigned char lead = byte(0);
    std::size_t length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
    char32_t code = length == 1 ? lead : length == 2 ? lead & 0x1F : length == 3 ? lead & 0x0F : lead & 0x07;
    bool valid = length != 0 && length <= text.size();
    for (std::size_t i = 1; valid && i < length; ++i) {
        valid = (byte(i) >> 6) == 0x2;
        code = (code << 6) | (byte(i) & 0x3F);
    }
    static constexpr char32_t SMALLEST[5] = {0, 0, 0x80, 0x800, 0x10000};
    valid = valid && code >= SMALLEST[length] && code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF);
    text.remove_prefix(valid ? length : 1);
    return valid ? code : REPLACEMENT;
}

bool within_bound(float value) { return std::isfinite(value) && std::fabs(value) <= MAX_COORDINATE; }

}  // namespace

struct FontFace::Info {
    stbtt_fontinfo font;
};

bool usable(float size, kimbly::Vec2F32 position) {
    return within_bound(size) && size > 0 && within_bound(position.x) && within_bound(position.y);
}

FontFace::FontFace(std::vector<std::uint8_t> bytes, std::unique_ptr<Info> info)
    : bytes_(std::move(bytes)), info_(std::move(info)) {}

FontFace::~FontFace() = default;
FontFace::FontFace(FontFace&&) noexcept = default;
FontFace& FontFace::operator=(FontFace&&) noexcept = default;

FontFace FontFace::parse(std::vector<std::uint8_t> bytes) {
    auto info = std::make_unique<Info>();
    int offset = bytes.empty() ? -1 : stbtt_GetFontOffsetForIndex(bytes.data(), 0);
    // The font object points into the bytes, whose heap block stays put
    // when the vector moves into the face.
    if (offset < 0 || !stbtt_InitFont(&info->font, bytes.data(), offset)) throw FontError("Failed to read font");
    FontFace face(std::move(bytes), std::move(info));
    int ascent = 0, descent = 0, line_gap = 0;
    stbtt_GetFontVMetrics(&face.info_->font, &ascent, &descent, &line_gap);
    if (ascent - descent <= 0) throw FontError("Failed to read font");
    face.descent_ = static_cast<float>(descent) / static_cast<float>(ascent - descent);
    return face;
}

float FontFace::scale(float size) const { return stbtt_ScaleForPixelHeight(&info_->font, size); }

std::vector<LaidGlyph> FontFace::layout(std::string_view text, float size, kimbly::Vec2F32 origin) const {
    std::vector<LaidGlyph> glyphs;
    float unit = scale(size);
    float caret = origin.x;
    std::optional<int> previous;
    while (!text.empty()) {
        int index = stbtt_FindGlyphIndex(&info_->font, static_cast<int>(next_code_point(text)));
        if (previous) caret += unit * static_cast<float>(stbtt_GetGlyphKernAdvance(&info_->font, *previous, index));
        glyphs.push_back({index, {caret, origin.y}});
        int advance = 0, bearing = 0;
        stbtt_GetGlyphHMetrics(&info_->font, index, &advance, &bearing);
        caret += unit * static_cast<float>(advance);
        previous = index;
    }
    return glyphs;
}

std::optional<kimbly::AabbF32> FontFace::pixel_box(int glyph, float size, kimbly::Vec2F32 position) const {
    int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    if (!stbtt_GetGlyphBox(&info_->font, glyph, &x0, &y0, &x1, &y1)) return std::nullopt;
    float unit = scale(size);
    // Rounded as the rasteriser rounds its bitmap box (font units are y up),
    // in floats so that no size or position reaches an integer cast here.
    float whole_x = std::floor(position.x), whole_y = std::floor(position.y);
    float shift_x = position.x - whole_x, shift_y = position.y - whole_y;
    kimbly::AabbF32 box{whole_x + std::floor(static_cast<float>(x0) * unit + shift_x),
                        whole_x + std::ceil(static_cast<float>(x1) * unit + shift_x),
                        whole_y + std::floor(static_cast<float>(-y1) * unit + shift_y),
                        whole_y + std::ceil(static_cast<float>(-y0) * unit + shift_y)};
    if (!(box.width() > 0 && box.height() > 0)) return std::nullopt;
    return box;
}

std::vector<std::uint8_t> FontFace::rasterise(int glyph, float size, kimbly::Vec2F32 offset, std::uint32_t width,
                                              std::uint32_t height) const {
    std::vector<std::uint8_t> coverage(std::size_t{width} * height);
    float unit = scale(size);
    stbtt_MakeGlyphBitmapSubpixel(&info_->font, coverage.data(), static_cast<int>(width), static_cast<int>(height),
                                  static_cast<int>(width), unit, unit, offset.x, offset.y, glyph);
    return coverage;
}

kimbly::AabbF32 FontFace::measure_at(std::string_view text, kimbly::Vec2F32 position, float size) const {
    if (!usable(size, position)) return {};
    std::optional<kimbly::AabbF32> ink;
    for (const LaidGlyph& glyph : layout(text, size, {position.x, -(position.y - descent_ * size)})) {
        auto box = pixel_box(glyph.index, size, glyph.position);
        if (!box) continue;
        ink = ink ? kimbly::AabbF32{std::min(ink->x_min, box->x_min), std::max(ink->x_max, box->x_max),
                                    std::min(ink->y_min, box->y_min), std::max(ink->y_max, box->y_max)}
                  : *box;
    }
    if (!ink) return {};
    // Back from the layout's y-down frame.
    return {ink->x_min, ink->x_max, -ink->y_max, -ink->y_min};
}

}  // namespace vindle::font
