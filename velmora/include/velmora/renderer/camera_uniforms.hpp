#pragma once
// The two matrices every program that places things in the world receives.
#include <array>
#include <string_view>

#include <kimbly/mat4.hpp>
#include <kimbly/vec2.hpp>

#include "velmora/camera.hpp"

namespace velmora::renderer {

struct NamedMatrix {
    std::string_view name;
    kimbly::Mat4F32 value;
};

// "u_projection_matrix", then "u_view_matrix".
inline std::array<NamedMatrix, 2> uniforms(const camera::Camera& camera, kimbly::Vec2Usize framebuffer_size) {
    return {{{"u_projection_matrix", camera.projection_matrix(framebuffer_size)},
             {"u_view_matrix", camera.view_matrix()}}};
}

}  // namespace velmora::renderer
