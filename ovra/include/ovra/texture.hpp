#pragma once
// 2D textures of RGBA pixels with 8 bits per channel. Every texture samples
// linearly and clamps to its edges; loaded images whose sides are both powers
// of two also get mipmaps. Row 0 of the data is the texture's first row (v = 0).
#include <concepts>
#include <cstdint>
#include <span>
#include <vector>

#include <kimbly/color.hpp>
#include <kimbly/vec2.hpp>

#include "ovra/gl_object.hpp"

namespace ovra {

// A decoded image: size.x × size.y pixels of four bytes (r, g, b, a), row by
// row from the first.
struct Image {
    kimbly::Vec2Usize size;
    std::vector<std::uint8_t> pixels;
};

// The four bytes of a colour: each component × 255, cut toward zero and
// limited to 0..255 (NaN gives 0).
std::array<std::uint8_t, 4> color_bytes(kimbly::ColorF32 color);

class Texture2d {
public:
    // A texture filled pixel by pixel with `pixel(position)`, row by row.
    template <std::invocable<kimbly::Vec2Usize> F>
    static Texture2d new_with(OvraHandle context, kimbly::Vec2Usize size, F&& pixel);
    // Undefined contents, to be drawn into or filled through sub_image.
    static Texture2d new_uninitialized(OvraHandle context, kimbly::Vec2Usize size);
    // The image's pixels, sampled linearly from the image itself at every
    // size: no mipmaps, so that a texel keeps its own value however small
    // it is drawn.
    static Texture2d from_pixels(OvraHandle context, const Image& image);
    // The image's pixels, taken over; mipmaps when both sides are powers of two.
    static Texture2d from_image(OvraHandle context, Image image);

    kimbly::Vec2Usize size() const { return size_; }
    ovra_raw::Handle handle() const { return texture_.handle(); }
    Ovra& context() const { return texture_.context(); }

    // Binds the texture and clamps it to its edges on both axes.
    void set_wrap_mode();
    // Replaces the size.x × size.y pixels at `corner` with `rgba`, which must
    // hold exactly four bytes a pixel (anything else stops the program).
    void sub_image(kimbly::Vec2Usize corner, kimbly::Vec2Usize size, std::span<const std::uint8_t> rgba);

private:
    Texture2d(OvraHandle context, kimbly::Vec2Usize size, const std::uint8_t* pixels);
    void bind();

    GlObject<&ovra_raw::Context::delete_texture> texture_;
    kimbly::Vec2Usize size_;
};

template <std::invocable<kimbly::Vec2Usize> F>
Texture2d Texture2d::new_with(OvraHandle context, kimbly::Vec2Usize size, F&& pixel) {
    std::vector<std::uint8_t> bytes;
    bytes.reserve(size.x * size.y * 4);
    for (std::uint64_t y = 0; y < size.y; ++y) {
        for (std::uint64_t x = 0; x < size.x; ++x) {
            auto rgba = color_bytes(pixel(kimbly::Vec2Usize{x, y}));
            bytes.insert(bytes.end(), rgba.begin(), rgba.end());
        }
    }
    return Texture2d(std::move(context), size, bytes.data());
}

}  // namespace ovra
