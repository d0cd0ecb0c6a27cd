#include <gtest/gtest.h>

#include <vector>

#include "font_fixture.hpp"
#include "vindle/font.hpp"

namespace {

using vindle::font::CacheRect;
using vindle::font::FontFace;
using vindle::font::GlyphCache;
using vindle::font::LaidGlyph;

using vindle::testing::default_face;

LaidGlyph glyph(char c, kimbly::Vec2F32 position = {0, 0}) {
    return default_face().layout(std::string(1, c), 10, position).front();
}

// A small cache whose uploads are kept.
struct SmallCache {
    explicit SmallCache(std::uint32_t side) : cache(side, 0.1f, 0.1f) {}

    void draw(const std::vector<LaidGlyph>& glyphs, float size) {
        for (const auto& g : glyphs) cache.queue(g, size);
        cache.cache_queued(default_face(), [&](CacheRect rect, std::span<const std::uint8_t> coverage) {
            EXPECT_EQ(coverage.size(), std::size_t{rect.width} * rect.height);
            uploads.push_back(rect);
        });
    }

    GlyphCache cache;
    std::vector<CacheRect> uploads;
};

TEST(GlyphCache, GlyphsTooLargeForTheCacheAreRefusedAlone) {
    SmallCache small(64);
    // "W" at 100 pixels is wider than 62; the "." beside it fits.
    small.draw({glyph('W'), glyph('.', {80, 0})}, 100);
    ASSERT_EQ(small.uploads.size(), 1u);
    EXPECT_FALSE(small.cache.rect_for(glyph('W'), 100));
    EXPECT_TRUE(small.cache.rect_for(glyph('.', {80, 0}), 100));
}

TEST(GlyphCache, ReusedWithinTolerancesOnly) {
    SmallCache small(256);
    small.draw({glyph('a', {0.5f, 0})}, 20);
    small.draw({glyph('a', {7.53f, 0}), glyph('a', {3.5f, 0})}, 20.03f);
    EXPECT_EQ(small.uploads.size(), 1u);
    small.draw({glyph('a', {0.7f, 0})}, 20);
    small.draw({glyph('a', {0.5f, 0})}, 20.2f);
    EXPECT_EQ(small.uploads.size(), 3u);

    // Bitmaps never overlap, borders included.
    for (std::size_t i = 0; i < small.uploads.size(); ++i) {
        for (std::size_t j = i + 1; j < small.uploads.size(); ++j) {
            const CacheRect& a = small.uploads[i];
            const CacheRect& b = small.uploads[j];
            EXPECT_TRUE(a.x + a.width <= b.x || b.x + b.width <= a.x || a.y + a.height <= b.y ||
                        b.y + b.height <= a.y);
        }
    }
}

TEST(GlyphCache, FullCacheStartsOverWithTheDrawsGlyphs) {
    SmallCache small(64);
    small.draw({glyph('M')}, 60);
    ASSERT_EQ(small.uploads.size(), 1u);
    // No room beside or below "M": the cache is cleared and "N" placed.
    small.draw({glyph('N')}, 60);
    ASSERT_EQ(small.uploads.size(), 2u);
    EXPECT_FALSE(small.cache.rect_for(glyph('M'), 60));
    EXPECT_TRUE(small.cache.rect_for(glyph('N'), 60));
    // Both at once never fit: the first is placed, the second left out.
    small.draw({glyph('M'), glyph('N')}, 60);
    EXPECT_TRUE(small.cache.rect_for(glyph('M'), 60));
    EXPECT_FALSE(small.cache.rect_for(glyph('N'), 60));
}

}  // namespace
