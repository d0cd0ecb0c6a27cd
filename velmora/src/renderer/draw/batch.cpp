#include "velmora/renderer/draw/batch.hpp"

#include <ovra/draw.hpp>

#include "velmora/renderer/draw/world_uniforms.hpp"

namespace velmora::renderer {

ovra::VertexBuffer<Corner> unit_quad_buffer(ovra::OvraHandle context) {
    return ovra::VertexBuffer<Corner>::new_static(std::move(context), {UNIT_QUAD.begin(), UNIT_QUAD.end()});
}

ovra::DrawParameters blended() {
    ovra::DrawParameters parameters;
    parameters.blend_mode = ovra::BlendMode::Alpha;
    return parameters;
}

void draw_billboards(ovra::Framebuffer& framebuffer, const camera::Camera& camera, const ovra::Program& program,
                     ovra::VertexBufferBase& corners, ovra::VertexBufferBase& instances,
                     const ovra::Uniforms& uniforms) {
    auto parameters = blended();
    parameters.write_depth = false;
    ovra::draw::draw(framebuffer, program, ovra::draw_mode::TriangleFan{},
                     ovra::VertexData::instanced(corners, instances),
                     world_uniforms(camera, framebuffer).append(uniforms), parameters);
}

}  // namespace velmora::renderer
