#pragma once
// The camera's two matrices as the uniforms of a draw into a framebuffer.
#include <ovra/framebuffer.hpp>
#include <ovra/uniform.hpp>

#include "velmora/camera.hpp"

namespace velmora::renderer {

// "u_projection_matrix" and "u_view_matrix" for the framebuffer's size.
ovra::Uniforms world_uniforms(const camera::Camera& camera, const ovra::Framebuffer& framebuffer);

}  // namespace velmora::renderer
