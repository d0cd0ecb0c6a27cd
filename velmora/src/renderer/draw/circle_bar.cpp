#include "velmora/renderer/draw/circle_bar.hpp"

#include <utility>

#include "velmora/renderer/draw/shaders.hpp"

namespace velmora::renderer::circle_bar {

Renderer::Renderer(std::shared_ptr<vindle::Vindle> engine)
    : engine_(std::move(engine)),
      corners_(unit_quad_buffer(engine_->ovra())),
      program_(vindle::shader_lib::compile_or_stop(engine_->shader_lib(), shaders::CIRCLE_BAR)) {}

void Renderer::draw(ovra::Framebuffer& framebuffer, const camera::Camera& camera,
                    const std::vector<Instance>& instances) const {
    auto records = ovra::VertexBuffer<Instance>::new_dynamic(engine_->ovra(), instances);
    draw_billboards(framebuffer, camera, program_, corners_, records, {});
}

}  // namespace velmora::renderer::circle_bar
