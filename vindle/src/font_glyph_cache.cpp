#include "vindle/font_glyph_cache.hpp"

#include <algorithm>
#include <cmath>
#include <set>

#include <kimbly/num.hpp>

namespace vindle::font {
namespace {

// A blank pixel around every bitmap keeps linear filtering from blending in
// a neighbour's ink.
constexpr std::uint32_t BORDER = 1;

std::uint32_t steps(float value, float tolerance) {
    return kimbly::num::saturating_cast<std::uint32_t>(std::round(value / tolerance));
}

float fraction(float value) { return value - std::floor(value); }

}  // namespace

GlyphCache::GlyphCache(std::uint32_t side, float size_tolerance, float position_tolerance)
    : side_(side), size_tolerance_(size_tolerance), position_tolerance_(position_tolerance) {}

GlyphCache::Key GlyphCache::key_for(const LaidGlyph& glyph, float size) const {
    return {glyph.index, steps(size, size_tolerance_), steps(fraction(glyph.position.x), position_tolerance_),
            steps(fraction(glyph.position.y), position_tolerance_)};
}

float GlyphCache::size_of(const Key& key) const { return static_cast<float>(key.size_steps) * size_tolerance_; }

kimbly::Vec2F32 GlyphCache::offset_of(const Key& key) const {
    return {static_cast<float>(key.x_steps) * position_tolerance_,
            static_cast<float>(key.y_steps) * position_tolerance_};
}

void GlyphCache::queue(const LaidGlyph& glyph, float size) { queue_.push_back(key_for(glyph, size)); }

std::optional<GlyphCache::Entry> GlyphCache::measure(const FontFace& face, const Key& key) const {
    auto box = face.pixel_box(key.glyph, size_of(key), offset_of(key));
    if (!box) return std::nullopt;
    // Checked as floats: a huge glyph is refused before anything is
    // allocated for it or its size becomes an integer.
    float room = static_cast<float>(side_ - 2 * BORDER);
    if (!(box->width() <= room && box->height() <= room)) return std::nullopt;
    CacheRect rect{0, 0, static_cast<std::uint32_t>(box->width()), static_cast<std::uint32_t>(box->height())};
    return Entry{rect, {box->x_min, box->y_min}};
}

bool GlyphCache::place(Entry& entry) {
    std::uint32_t width = entry.rect.width + 2 * BORDER;
    std::uint32_t height = entry.rect.height + 2 * BORDER;
    Shelf* best = nullptr;
    for (Shelf& shelf : shelves_) {
        if (shelf.height >= height && side_ - shelf.used_width >= width && (!best || shelf.height < best->height)) {
            best = &shelf;
        }
    }
    if (!best) {
        if (side_ - shelves_bottom_ < height) return false;
        best = &shelves_.emplace_back(Shelf{shelves_bottom_, height, 0});
        shelves_bottom_ += height;
    }
    entry.rect.x = best->used_width + BORDER;
    entry.rect.y = best->y + BORDER;
    best->used_width += width;
    return true;
}

void GlyphCache::clear() {
    entries_.clear();
    shelves_.clear();
    shelves_bottom_ = 0;
}

void GlyphCache::cache_queued(const FontFace& face, const Upload& upload) {
    auto candidates = [&](bool include_cached) {
        std::vector<Candidate> result;
        std::set<Key> seen;
        for (const Key& key : queue_) {
            if ((!include_cached && entries_.contains(key)) || !seen.insert(key).second) continue;
            if (auto entry = measure(face, key)) result.push_back({key, *entry});
        }
        return result;
    };
    std::vector<Candidate> fresh = candidates(false);
    bool all_placed = std::all_of(fresh.begin(), fresh.end(), [&](Candidate& c) { return place(c.entry); });
    if (!all_placed) {
        // Room runs short: start over with just this draw's glyphs, once.
        fresh = candidates(true);
        clear();
        std::erase_if(fresh, [&](Candidate& c) { return !place(c.entry); });
    }
    queue_.clear();

    for (const Candidate& c : fresh) {
        const CacheRect& rect = c.entry.rect;
        auto coverage = face.rasterise(c.key.glyph, size_of(c.key), offset_of(c.key), rect.width, rect.height);
        std::uint32_t padded_width = rect.width + 2 * BORDER;
        std::vector<std::uint8_t> padded(std::size_t{padded_width} * (rect.height + 2 * BORDER), 0);
        for (std::uint32_t row = 0; row < rect.height; ++row) {
            std::copy_n(coverage.begin() + std::ptrdiff_t{row} * rect.width, rect.width,
                        padded.begin() + std::ptrdiff_t{row + BORDER} * padded_width + BORDER);
        }
        upload({rect.x - BORDER, rect.y - BORDER, padded_width, rect.height + 2 * BORDER}, padded);
        entries_.insert_or_assign(c.key, c.entry);
    }
}

std::optional<GlyphRects> GlyphCache::rect_for(const LaidGlyph& glyph, float size) const {
    auto found = entries_.find(key_for(glyph, size));
    if (found == entries_.end()) return std::nullopt;
    const Entry& entry = found->second;
    float side = static_cast<float>(side_);
    auto x = static_cast<float>(entry.rect.x), y = static_cast<float>(entry.rect.y);
    auto width = static_cast<float>(entry.rect.width), height = static_cast<float>(entry.rect.height);
    float x0 = std::floor(glyph.position.x) + entry.offset.x;
    float y0 = std::floor(glyph.position.y) + entry.offset.y;
    return GlyphRects{{x / side, (x + width) / side, y / side, (y + height) / side},
                      {x0, x0 + width, y0, y0 + height}};
}

}  // namespace vindle::font
