#pragma once
// The glyph cache of a font: glyphs rasterised on demand into one square
// texture, packed in shelves, and reused for any later request whose size and
// sub-pixel position lie within the tolerances. When the glyphs of one draw
// do not fit, the cache is cleared and they are placed once more; those that
// still do not fit are left out of the draw. Needs no GL context: the font
// writes what the cache hands over into its texture.
#include <compare>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <span>
#include <vector>

#include <kimbly/aabb.hpp>
#include <kimbly/vec2.hpp>

#include "vindle/font_face.hpp"

namespace vindle::font {

// A rectangle of the cache in its pixels, y down.
struct CacheRect {
    std::uint32_t x = 0;
    std::uint32_t y = 0;
    std::uint32_t width = 0;
    std::uint32_t height = 0;
};

// Where a laid-out glyph's bitmap is in the cache (texture coordinates, 0 to
// 1) and on the screen (whole pixels of the layout's frame).
struct GlyphRects {
    kimbly::AabbF32 texture;
    kimbly::AabbF32 screen;
};

class GlyphCache {
public:
    // A new glyph's rectangle and its coverage bytes (one a pixel, rows from
    // the top), a blank pixel of border included on each side.
    using Upload = std::function<void(CacheRect, std::span<const std::uint8_t>)>;

    GlyphCache(std::uint32_t side, float size_tolerance, float position_tolerance);

    // Notes a glyph that the next cache_queued must provide.
    void queue(const LaidGlyph& glyph, float size);
    // Places and rasterises the queued glyphs that are not cached yet,
    // handing each to `upload`, and empties the queue. A glyph whose bitmap
    // would not fit an empty cache is refused before it is rasterised.
    void cache_queued(const FontFace& face, const Upload& upload);
    // None for a glyph without ink or not in the cache.
    std::optional<GlyphRects> rect_for(const LaidGlyph& glyph, float size) const;

private:
    // A glyph at a size and sub-pixel position, each counted in tolerances.
    struct Key {
        int glyph = 0;
        std::uint32_t size_steps = 0;
        std::uint32_t x_steps = 0;
        std::uint32_t y_steps = 0;
        auto operator<=>(const Key&) const = default;
    };
    struct Entry {
        CacheRect rect;  // the bitmap, without its border
        kimbly::Vec2F32 offset;  // of the bitmap's corner from the glyph's whole-pixel origin
    };
    struct Candidate {
        Key key;
        Entry entry;
    };
    struct Shelf {
        std::uint32_t y = 0;
        std::uint32_t height = 0;
        std::uint32_t used_width = 0;
    };

    Key key_for(const LaidGlyph& glyph, float size) const;
    // The representative size and sub-pixel offset of a key.
    float size_of(const Key& key) const;
    kimbly::Vec2F32 offset_of(const Key& key) const;
    // The key's bitmap box, none for no ink or a bitmap the cache cannot hold.
    std::optional<Entry> measure(const FontFace& face, const Key& key) const;
    bool place(Entry& entry);
    void clear();

    std::uint32_t side_;
    float size_tolerance_;
    float position_tolerance_;
    std::vector<Key> queue_;
    std::map<Key, Entry> entries_;
    std::vector<Shelf> shelves_;
    std::uint32_t shelves_bottom_ = 0;
};

}  // namespace vindle::font
