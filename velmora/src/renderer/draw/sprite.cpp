#include "velmora/renderer/draw/sprite.hpp"

#include <utility>

#include "velmora/renderer/draw/shaders.hpp"

namespace velmora::renderer::sprite {

Renderer::Renderer(std::shared_ptr<vindle::Vindle> engine)
    : engine_(std::move(engine)),
      corners_(unit_quad_buffer(engine_->ovra())),
      program_(vindle::shader_lib::compile_or_stop(engine_->shader_lib(), shaders::SPRITE)) {}

void Renderer::draw(ovra::Framebuffer& framebuffer, const camera::Camera& camera, const ovra::Texture2d& texture,
                    const std::vector<Instance>& instances) const {
    auto records = ovra::VertexBuffer<Instance>::new_dynamic(engine_->ovra(), instances);
    draw(framebuffer, camera, texture, records);
}

void Renderer::draw(ovra::Framebuffer& framebuffer, const camera::Camera& camera, const ovra::Texture2d& texture,
                    ovra::VertexBuffer<Instance>& instances) const {
    draw_billboards(framebuffer, camera, program_, corners_, instances, {{"u_texture", &texture}});
}

}  // namespace velmora::renderer::sprite
