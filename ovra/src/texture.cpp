#include "ovra/texture.hpp"

#include <fmt/format.h>
#include <kimbly/num.hpp>
#include <kimbly/panic.hpp>

#include "checks.hpp"
#include "ovra/gl_constants.hpp"

namespace ovra {

namespace {

bool is_power_of_two(std::uint64_t side) { return (side & (side - 1)) == 0; }

ovra_raw::Handle create(Ovra& context) { return handed_out(context.raw().create_texture(), "texture"); }

}  // namespace

std::array<std::uint8_t, 4> color_bytes(kimbly::ColorF32 color) {
    auto channel = [](float c) { return kimbly::num::saturating_cast<std::uint8_t>(c * 255.0f); };
    return {channel(color.r), channel(color.g), channel(color.b), channel(color.a)};
}

Texture2d::Texture2d(OvraHandle context, kimbly::Vec2Usize size, const std::uint8_t* pixels)
    : texture_(context, create(*context)), size_(size) {
    ovra_raw::Context& raw = texture_.raw();
    bind();
    raw.tex_parameteri(gl::TEXTURE_2D, gl::TEXTURE_MIN_FILTER, gl::LINEAR);
    bind();
    raw.tex_parameteri(gl::TEXTURE_2D, gl::TEXTURE_MAG_FILTER, gl::LINEAR);
    set_wrap_mode();
    raw.tex_image_2d(gl::TEXTURE_2D, 0, gl::RGBA, detail::gl_int(size.x, "texture width"),
                     detail::gl_int(size.y, "texture height"), 0, gl::RGBA, gl::UNSIGNED_BYTE, pixels);
    texture_.context().debug_check();
}

Texture2d Texture2d::new_uninitialized(OvraHandle context, kimbly::Vec2Usize size) {
    return Texture2d(std::move(context), size, nullptr);
}

Texture2d Texture2d::from_pixels(OvraHandle context, const Image& image) {
    detail::expect_equal(image.pixels.size(), image.size.x * image.size.y * 4, "image bytes");
    return Texture2d(std::move(context), image.size, image.pixels.data());
}

Texture2d Texture2d::from_image(OvraHandle context, Image image) {
    Texture2d texture = from_pixels(std::move(context), image);
    if (is_power_of_two(image.size.x) && is_power_of_two(image.size.y)) {
        ovra_raw::Context& raw = texture.texture_.raw();
        texture.bind();
        raw.generate_mipmap(gl::TEXTURE_2D);
        raw.tex_parameteri(gl::TEXTURE_2D, gl::TEXTURE_MIN_FILTER, gl::LINEAR_MIPMAP_LINEAR);
    }
    return texture;
}

void Texture2d::bind() { texture_.raw().bind_texture(gl::TEXTURE_2D, handle()); }

void Texture2d::set_wrap_mode() {
    bind();
    texture_.raw().tex_parameteri(gl::TEXTURE_2D, gl::TEXTURE_WRAP_S, gl::CLAMP_TO_EDGE);
    texture_.raw().tex_parameteri(gl::TEXTURE_2D, gl::TEXTURE_WRAP_T, gl::CLAMP_TO_EDGE);
}

void Texture2d::sub_image(kimbly::Vec2Usize corner, kimbly::Vec2Usize size, std::span<const std::uint8_t> rgba) {
    detail::expect_equal(rgba.size(), size.x * size.y * 4);
    bind();
    texture_.raw().tex_sub_image_2d(gl::TEXTURE_2D, 0, detail::gl_int(corner.x, "sub-image x"),
                                    detail::gl_int(corner.y, "sub-image y"), detail::gl_int(size.x, "sub-image width"),
                                    detail::gl_int(size.y, "sub-image height"), gl::RGBA, gl::UNSIGNED_BYTE,
                                    rgba.data());
}

}  // namespace ovra
