#pragma once
// What the viewer's batch drawers share: the square each instance stretches
// and the blending they draw with.
#include <array>
#include <cstddef>
#include <type_traits>

#include <kimbly/vec2.hpp>
#include <ovra/draw_parameters.hpp>
#include <ovra/framebuffer.hpp>
#include <ovra/program.hpp>
#include <ovra/uniform.hpp>
#include <ovra/vertex_buffer.hpp>

#include "velmora/camera.hpp"

namespace velmora::renderer {

struct Corner {
    kimbly::Vec2F32 a_pos;
};
constexpr std::array<ovra::VertexAttribute, 1> vertex_attributes(std::type_identity<Corner>) {
    return {{{"a_pos", offsetof(Corner, a_pos), 2}}};
}

// (-1, -1), (1, -1), (1, 1), (-1, 1), drawn as a triangle fan.
inline constexpr std::array<Corner, 4> UNIT_QUAD{{{{-1, -1}}, {{1, -1}}, {{1, 1}}, {{-1, 1}}}};

// The unit quad in a static buffer, for drawers that keep it.
ovra::VertexBuffer<Corner> unit_quad_buffer(ovra::OvraHandle context);

// The defaults with alpha blending: no depth comparison, depth written.
ovra::DrawParameters blended();

// One camera-facing unit quad per instance record with `program`, alpha
// blended and without writing depth; `uniforms` follow the camera's.
void draw_billboards(ovra::Framebuffer& framebuffer, const camera::Camera& camera, const ovra::Program& program,
                     ovra::VertexBufferBase& corners, ovra::VertexBufferBase& instances,
                     const ovra::Uniforms& uniforms);

}  // namespace velmora::renderer
