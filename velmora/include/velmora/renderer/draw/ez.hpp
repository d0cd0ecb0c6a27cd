#pragma once
// Flat shapes on the ground plane of the game (squares, icons, lines,
// triangles, the cell grid) seen through the viewer's camera, and shapes in
// window pixels; each call is one draw. Main thread only.
#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <type_traits>
#include <vector>

#include <kimbly/color.hpp>
#include <kimbly/vec2.hpp>
#include <ovra/draw.hpp>
#include <ovra/framebuffer.hpp>
#include <ovra/program.hpp>
#include <ovra/texture.hpp>
#include <ovra/vertex_buffer.hpp>
#include <vindle/context.hpp>

#include "velmora/camera.hpp"

namespace velmora::renderer {

namespace ez {

// One shape: the unit square's corners turned clockwise by `i_rotation`
// radians, then stretched by the half width and height `i_size` (so a turned
// square stays square only when both are equal) and moved to `i_pos`.
struct Instance {
    kimbly::Vec2F32 i_pos;
    float i_rotation = 0;
    kimbly::Vec2F32 i_size;
    kimbly::ColorF32 i_color;
};
constexpr std::array<ovra::VertexAttribute, 4> vertex_attributes(std::type_identity<Instance>) {
    return {{{"i_pos", offsetof(Instance, i_pos), 2},
             {"i_rotation", offsetof(Instance, i_rotation), 1},
             {"i_size", offsetof(Instance, i_size), 2},
             {"i_color", offsetof(Instance, i_color), 4}}};
}

// One vertex drawn as it is; with the defaults `a_pos` is where it lands.
struct Vertex {
    kimbly::Vec2F32 a_pos;
    float i_rotation = 0;
    kimbly::Vec2F32 i_pos{0, 0};
    kimbly::Vec2F32 i_size{1, 1};
    kimbly::ColorF32 i_color;
};
constexpr std::array<ovra::VertexAttribute, 5> vertex_attributes(std::type_identity<Vertex>) {
    return {{{"a_pos", offsetof(Vertex, a_pos), 2},
             {"i_rotation", offsetof(Vertex, i_rotation), 1},
             {"i_pos", offsetof(Vertex, i_pos), 2},
             {"i_size", offsetof(Vertex, i_size), 2},
             {"i_color", offsetof(Vertex, i_color), 4}}};
}

// The lines of a width × height board on every integer coordinate, as
// pairs: the verticals from x = 0 to width, then the horizontals from y = 0
// to height.
std::vector<Vertex> grid_vertices(std::uint64_t width, std::uint64_t height, kimbly::ColorF32 color);

}  // namespace ez

class Ez {
public:
    // Compiles both programs; a failure stops the program.
    explicit Ez(std::shared_ptr<vindle::Vindle> engine);

    // One unit square per instance, in the instances' colours.
    void quads(ovra::Framebuffer& framebuffer, const camera::Camera& camera, std::vector<ez::Instance> instances) const;
    // The same, each square showing the texture times its colour.
    void textured_quads(ovra::Framebuffer& framebuffer, const camera::Camera& camera,
                        std::vector<ez::Instance> instances, const ovra::Texture2d& texture) const;
    // The vertices on the ground plane as they are; no texture draws plain colours.
    void draw(ovra::Framebuffer& framebuffer, const camera::Camera& camera, std::vector<ez::Vertex> vertices,
              const ovra::Texture2d* texture, ovra::DrawMode mode) const;
    // The cell grid of grid_vertices in lines one pixel wide.
    void grid(ovra::Framebuffer& framebuffer, const camera::Camera& camera, std::uint64_t width, std::uint64_t height,
              kimbly::ColorF32 color) const;
    // Vertices whose `i_pos` + `a_pos` are window pixels (origin lower
    // left), whatever the camera.
    void draw2(ovra::Framebuffer& framebuffer, const camera::Camera& camera, std::vector<ez::Vertex> vertices,
               const ovra::Texture2d* texture, ovra::DrawMode mode) const;

private:
    void draw_instances(ovra::Framebuffer& framebuffer, const camera::Camera& camera,
                        std::vector<ez::Instance> instances, const ovra::Texture2d& texture) const;

    std::shared_ptr<vindle::Vindle> engine_;
    ovra::Program instanced_program_;
    ovra::Program screen_program_;
    ovra::Texture2d white_texture_;
};

}  // namespace velmora::renderer
