#include "vindle/draw_2d.hpp"

namespace vindle::draw_2d {
namespace {

ovra::DrawParameters blended() {
    ovra::DrawParameters parameters;
    parameters.blend_mode = ovra::BlendMode::Alpha;
    return parameters;
}

ovra::Uniforms base_uniforms(const ovra::Framebuffer& framebuffer, kimbly::ColorF32 color) {
    return {{"u_color", color}, {"u_framebuffer_size", framebuffer.size()}};
}

// (min, min), (max, min), (max, max), (min, max): the order of the fan and
// of the texture coordinates (0, 0), (1, 0), (1, 1), (0, 1).
std::array<kimbly::Vec2F32, 4> corners(kimbly::AabbF32 rect) {
    return {{{rect.x_min, rect.y_min}, {rect.x_max, rect.y_min}, {rect.x_max, rect.y_max}, {rect.x_min, rect.y_max}}};
}

}  // namespace

Draw2D::Draw2D(const shader_lib::ShaderLib& library, ovra::OvraHandle context)
    : vertices_(ovra::VertexBuffer<Vertex>::new_dynamic(context, {})),
      textured_vertices_(ovra::VertexBuffer<TexturedVertex>::new_dynamic(context, {})),
      color_program_(shader_lib::compile_or_stop(library, COLOR_PROGRAM)),
      textured_program_(shader_lib::compile_or_stop(library, TEXTURED_PROGRAM)),
      corners_(ovra::VertexBuffer<QuadVertex>::new_static(context, {{{-1, -1}}, {{1, -1}}, {{1, 1}}, {{-1, 1}}})),
      ellipse_program_(shader_lib::compile_or_stop(library, ELLIPSE_PROGRAM)) {}

void Draw2D::draw(ovra::Framebuffer& framebuffer, std::span<const kimbly::Vec2F32> points, kimbly::ColorF32 color,
                  ovra::DrawMode mode) const {
    auto buffer = vertices_.borrow_mut();
    auto& records = buffer->records_mut();
    records.clear();
    for (auto point : points) records.push_back({point});
    ovra::draw::draw(framebuffer, color_program_, mode, *buffer, base_uniforms(framebuffer, color), blended());
}

void Draw2D::quad(ovra::Framebuffer& framebuffer, kimbly::AabbF32 rect, kimbly::ColorF32 color) const {
    draw(framebuffer, corners(rect), color, ovra::draw_mode::TriangleFan{});
}

void Draw2D::textured_quad(ovra::Framebuffer& framebuffer, kimbly::AabbF32 rect, const ovra::Texture2d& texture,
                           kimbly::ColorF32 color) const {
    static constexpr std::array<kimbly::Vec2F32, 4> TEXTURE_CORNERS{{{0, 0}, {1, 0}, {1, 1}, {0, 1}}};
    auto buffer = textured_vertices_.borrow_mut();
    auto& records = buffer->records_mut();
    records.clear();
    auto positions = corners(rect);
    for (std::size_t i = 0; i < positions.size(); ++i) {
        records.push_back({positions[i], {1, 1, 1, 1}, TEXTURE_CORNERS[i]});
    }
    ovra::draw::draw(framebuffer, textured_program_, ovra::draw_mode::TriangleFan{}, *buffer,
                     base_uniforms(framebuffer, color).add("u_texture", &texture), blended());
}

void Draw2D::ellipse(ovra::Framebuffer& framebuffer, kimbly::Vec2F32 center, kimbly::Vec2F32 radii,
                     kimbly::ColorF32 color) const {
    auto uniforms = base_uniforms(framebuffer, color);
    uniforms.add("u_pos", center).add("u_radius", radii);
    ovra::draw::draw(framebuffer, ellipse_program_, ovra::draw_mode::TriangleFan{}, corners_, uniforms, blended());
}

}  // namespace vindle::draw_2d
