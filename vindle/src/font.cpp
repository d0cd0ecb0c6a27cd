#include "vindle/font.hpp"

#include <ovra/draw.hpp>

namespace vindle::font {

const std::string_view TEXT_PROGRAM = R"(varying vec2 v_vt;

#ifdef VERTEX_SHADER
uniform ivec2 u_framebuffer_size;

attribute vec2 a_vt;
attribute vec2 a_pos;
void main() {
    v_vt = a_vt;
    vec2 pos = 2.0 * a_pos / vec2(u_framebuffer_size);
    gl_Position = vec4(pos.x - 1.0, 1.0 - pos.y, 0.0, 1.0);
}
#endif

#ifdef FRAGMENT_SHADER
uniform vec4 u_color;
uniform sampler2D u_cache_texture;
void main() {
    gl_FragColor = u_color;
    gl_FragColor.w *= texture2D(u_cache_texture, v_vt).w;
}
#endif)";

Font::Font(ovra::OvraHandle context, const shader_lib::ShaderLib& library, FontFace face)
    : face_(std::move(face)),
      cache_(CACHE_SIDE, SIZE_TOLERANCE, POSITION_TOLERANCE),
      cache_texture_(ovra::Texture2d::new_uninitialized(context, {CACHE_SIDE, CACHE_SIDE})),
      vertices_(ovra::VertexBuffer<Vertex>::new_dynamic(context, {})),
      program_(shader_lib::compile_or_stop(library, TEXT_PROGRAM)) {}

Font Font::new_with(ovra::OvraHandle context, const shader_lib::ShaderLib& library, std::vector<std::uint8_t> bytes) {
    return Font(std::move(context), library, FontFace::parse(std::move(bytes)));
}

void Font::draw(ovra::Framebuffer& framebuffer, std::string_view text, kimbly::Vec2F32 position, float size,
                kimbly::ColorF32 color) const {
    if (!usable(size, position)) return;
    auto height = static_cast<float>(framebuffer.size().y);
    auto glyphs = face_.layout(text, size, {position.x, height - position.y + face_.descent() * size});

    auto cache = cache_.borrow_mut();
    auto texture = cache_texture_.borrow_mut();
    auto buffer = vertices_.borrow_mut();

    for (const LaidGlyph& glyph : glyphs) cache->queue(glyph, size);
    cache->cache_queued(face_, [&](CacheRect rect, std::span<const std::uint8_t> coverage) {
        std::vector<std::uint8_t> rgba;
        rgba.reserve(coverage.size() * 4);
        for (std::uint8_t alpha : coverage) rgba.insert(rgba.end(), {255, 255, 255, alpha});
        texture->sub_image({rect.x, rect.y}, {rect.width, rect.height}, rgba);
    });

    auto& records = buffer->records_mut();
    records.clear();
    for (const LaidGlyph& glyph : glyphs) {
        auto rects = cache->rect_for(glyph, size);
        if (!rects) continue;
        auto [s0, s1, t0, t1] = rects->texture;
        auto [x0, x1, y0, y1] = rects->screen;
        records.insert(records.end(), {{{x0, y0}, {s0, t0}},
                                       {{x1, y0}, {s1, t0}},
                                       {{x1, y1}, {s1, t1}},
                                       {{x0, y0}, {s0, t0}},
                                       {{x1, y1}, {s1, t1}},
                                       {{x0, y1}, {s0, t1}}});
    }
    if (records.empty()) return;
    ovra::DrawParameters parameters;
    parameters.blend_mode = ovra::BlendMode::Alpha;
    ovra::draw::draw(framebuffer, program_, ovra::draw_mode::Triangles{}, *buffer,
                     {{"u_color", color}, {"u_cache_texture", &*texture}, {"u_framebuffer_size", framebuffer.size()}},
                     parameters);
}

void Font::draw_aligned(ovra::Framebuffer& framebuffer, std::string_view text, kimbly::Vec2F32 position,
                        float alignment, float size, kimbly::ColorF32 color) const {
    kimbly::AabbF32 box = measure(text, size);
    draw(framebuffer, text, {position.x - box.width() * alignment, position.y}, size, color);
}

}  // namespace vindle::font
