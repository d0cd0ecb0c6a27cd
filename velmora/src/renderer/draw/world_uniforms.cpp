#include "velmora/renderer/draw/world_uniforms.hpp"

#include "velmora/renderer/camera_uniforms.hpp"

namespace velmora::renderer {

ovra::Uniforms world_uniforms(const camera::Camera& camera, const ovra::Framebuffer& framebuffer) {
    ovra::Uniforms result;
    for (const NamedMatrix& matrix : uniforms(camera, framebuffer.size())) result.add(matrix.name, matrix.value);
    return result;
}

}  // namespace velmora::renderer
