#pragma once
// Draws a model mesh at many placements in one instanced draw, lit from one
// fixed direction, with depth test and back faces culled.
#include <span>
#include <string_view>

#include <ovra/framebuffer.hpp>
#include <ovra/program.hpp>
#include <ovra/texture.hpp>
#include <ovra/vertex_buffer.hpp>
#include <vindle/obj.hpp>
#include <vindle/shader_lib.hpp>

#include "velmora/camera.hpp"
#include "velmora/renderer/view_shapes.hpp"

namespace velmora::renderer {

// A placement is the instance record itself.
constexpr std::array<ovra::VertexAttribute, 6> vertex_attributes(std::type_identity<ModelPlacement>) {
    return {{{"i_pos", offsetof(ModelPlacement, position), 3},
             {"i_rotation", offsetof(ModelPlacement, rotation), 1},
             {"i_tilt", offsetof(ModelPlacement, tilt), 1},
             {"i_size", offsetof(ModelPlacement, size), 1},
             {"i_color", offsetof(ModelPlacement, color), 4},
             {"i_emission", offsetof(ModelPlacement, emission), 1}}};
}

}  // namespace velmora::renderer

namespace velmora::renderer::space::obj {

using Instance = ModelPlacement;
using Mesh = ovra::VertexBuffer<vindle::obj::Vertex>;

extern const std::string_view MODEL_PROGRAM;

class Renderer {
public:
    // A program that does not compile stops the program.
    Renderer(const vindle::shader_lib::ShaderLib& library, ovra::OvraHandle context);

    // The whole mesh once per instance; nothing for no instances.
    void draw(ovra::Framebuffer& framebuffer, const camera::Camera& camera, Mesh& mesh, const ovra::Texture2d& texture,
              std::span<const Instance> instances) const;

private:
    ovra::OvraHandle context_;
    ovra::Program program_;
};

}  // namespace velmora::renderer::space::obj
