#include "velmora/renderer/draw/ez.hpp"

#include <utility>

#include "velmora/renderer/draw/batch.hpp"
#include "velmora/renderer/draw/shaders.hpp"
#include "velmora/renderer/draw/world_uniforms.hpp"

namespace velmora::renderer {

namespace ez {

std::vector<Vertex> grid_vertices(std::uint64_t width, std::uint64_t height, kimbly::ColorF32 color) {
    std::vector<Vertex> vertices;
    auto line = [&](kimbly::Vec2F32 from, kimbly::Vec2F32 to) {
        vertices.push_back({.a_pos = from, .i_color = color});
        vertices.push_back({.a_pos = to, .i_color = color});
    };
    auto w = static_cast<float>(width);
    auto h = static_cast<float>(height);
    for (std::uint64_t x = 0; x <= width; ++x) line({static_cast<float>(x), 0}, {static_cast<float>(x), h});
    for (std::uint64_t y = 0; y <= height; ++y) line({0, static_cast<float>(y)}, {w, static_cast<float>(y)});
    return vertices;
}

}  // namespace ez

namespace {

ovra::Texture2d white_texture(ovra::OvraHandle context) {
    auto texture = ovra::Texture2d::new_with(std::move(context), {1, 1}, [](kimbly::Vec2Usize) {
        return kimbly::ColorF32{1, 1, 1, 1};
    });
    texture.set_wrap_mode();
    return texture;
}

}  // namespace

Ez::Ez(std::shared_ptr<vindle::Vindle> engine)
    : engine_(std::move(engine)),
      instanced_program_(vindle::shader_lib::compile_or_stop(engine_->shader_lib(), shaders::EZ_INSTANCED)),
      screen_program_(vindle::shader_lib::compile_or_stop(engine_->shader_lib(), shaders::EZ_SCREEN)),
      white_texture_(white_texture(engine_->ovra())) {}

void Ez::quads(ovra::Framebuffer& framebuffer, const camera::Camera& camera,
               std::vector<ez::Instance> instances) const {
    draw_instances(framebuffer, camera, std::move(instances), white_texture_);
}

void Ez::textured_quads(ovra::Framebuffer& framebuffer, const camera::Camera& camera,
                        std::vector<ez::Instance> instances, const ovra::Texture2d& texture) const {
    draw_instances(framebuffer, camera, std::move(instances), texture);
}

void Ez::draw_instances(ovra::Framebuffer& framebuffer, const camera::Camera& camera,
                        std::vector<ez::Instance> instances, const ovra::Texture2d& texture) const {
    auto context = engine_->ovra();
    auto records = ovra::VertexBuffer<ez::Instance>::new_dynamic(context, std::move(instances));
    auto corners = ovra::VertexBuffer<Corner>::new_dynamic(context, {UNIT_QUAD.begin(), UNIT_QUAD.end()});
    auto uniforms = world_uniforms(camera, framebuffer);
    uniforms.add("u_texture", &texture);
    ovra::draw::draw(framebuffer, instanced_program_, ovra::draw_mode::TriangleFan{},
                     ovra::VertexData::instanced(corners, records), uniforms, blended());
}

void Ez::draw(ovra::Framebuffer& framebuffer, const camera::Camera& camera, std::vector<ez::Vertex> vertices,
              const ovra::Texture2d* texture, ovra::DrawMode mode) const {
    auto records = ovra::VertexBuffer<ez::Vertex>::new_dynamic(engine_->ovra(), std::move(vertices));
    auto uniforms = world_uniforms(camera, framebuffer);
    uniforms.add("u_texture", texture ? texture : &white_texture_);
    ovra::draw::draw(framebuffer, instanced_program_, mode, records, uniforms, blended());
}

void Ez::grid(ovra::Framebuffer& framebuffer, const camera::Camera& camera, std::uint64_t width,
              std::uint64_t height, kimbly::ColorF32 color) const {
    draw(framebuffer, camera, ez::grid_vertices(width, height, color), nullptr, ovra::draw_mode::Lines{1});
}

void Ez::draw2(ovra::Framebuffer& framebuffer, const camera::Camera& camera, std::vector<ez::Vertex> vertices,
               const ovra::Texture2d* texture, ovra::DrawMode mode) const {
    auto records = ovra::VertexBuffer<ez::Vertex>::new_dynamic(engine_->ovra(), std::move(vertices));
    auto size = framebuffer.size();
    auto uniforms = world_uniforms(camera, framebuffer);
    uniforms.add("u_texture", texture ? texture : &white_texture_)
        .add("u_framebuffer_size", kimbly::Vec2F32{static_cast<float>(size.x), static_cast<float>(size.y)});
    ovra::draw::draw(framebuffer, screen_program_, mode, records, uniforms, blended());
}

}  // namespace velmora::renderer
