#pragma once
// The space view's fog of war: one plane far larger than the map, textured
// with one texel per cell and a fogged ring around them, which halves the
// brightness of everything over unseen cells and outside the map. Linear
// sampling softens the edge of sight over one cell.
#include <optional>
#include <string_view>

#include <kimbly/vec2.hpp>
#include <ovra/framebuffer.hpp>
#include <ovra/program.hpp>
#include <ovra/texture.hpp>
#include <ovra/vertex_buffer.hpp>
#include <vindle/shader_lib.hpp>

#include "velmora/camera.hpp"
#include "velmora/model/sight.hpp"

namespace velmora::renderer::fog {

struct Corner {
    kimbly::Vec2F32 a_v;
};
constexpr std::array<ovra::VertexAttribute, 1> vertex_attributes(std::type_identity<Corner>) {
    return {{{"a_v", offsetof(Corner, a_v), 2}}};
}

extern const std::string_view FOG_PROGRAM;

class Data {
public:
    // A program that does not compile stops the program.
    Data(const vindle::shader_lib::ShaderLib& library, ovra::OvraHandle context);

    // Rebuilds the fog texture from `sight` and draws the plane over
    // whatever is drawn, without depth test. The texture stays until the
    // next draw.
    void draw(ovra::Framebuffer& framebuffer, const camera::Camera& camera, const model::SightGrid& sight);

    const ovra::Texture2d& texture() const { return *texture_; }

private:
    ovra::OvraHandle context_;
    ovra::VertexBuffer<Corner> corners_;
    std::optional<ovra::Texture2d> texture_;
    ovra::Program program_;
};

}  // namespace velmora::renderer::fog
