#pragma once
// Textured squares that always face the camera, at points in space: stars,
// glows, bullets and explosions. Main thread only.
#include <array>
#include <cstddef>
#include <memory>
#include <type_traits>
#include <vector>

#include <kimbly/color.hpp>
#include <kimbly/vec3.hpp>
#include <ovra/framebuffer.hpp>
#include <ovra/program.hpp>
#include <ovra/texture.hpp>
#include <ovra/vertex_buffer.hpp>
#include <vindle/context.hpp>

#include "velmora/camera.hpp"
#include "velmora/renderer/draw/batch.hpp"

namespace velmora::renderer::sprite {

// A square of half size `i_size` (world units at its depth) centred at
// `i_pos`, turned in the screen plane by `i_rotation`.
struct Instance {
    kimbly::Vec3 i_pos;
    float i_rotation = 0;
    float i_size = 1;
    kimbly::ColorF32 i_color;
};
constexpr std::array<ovra::VertexAttribute, 4> vertex_attributes(std::type_identity<Instance>) {
    return {{{"i_pos", offsetof(Instance, i_pos), 3},
             {"i_rotation", offsetof(Instance, i_rotation), 1},
             {"i_size", offsetof(Instance, i_size), 1},
             {"i_color", offsetof(Instance, i_color), 4}}};
}

class Renderer {
public:
    // Compiles the program; a failure stops the program.
    explicit Renderer(std::shared_ptr<vindle::Vindle> engine);

    // One billboard per instance, showing the texture times its colour;
    // depth is not written.
    void draw(ovra::Framebuffer& framebuffer, const camera::Camera& camera, const ovra::Texture2d& texture,
              std::vector<Instance> instances) const;

private:
    std::shared_ptr<vindle::Vindle> engine_;
    mutable ovra::VertexBuffer<Corner> corners_;
    ovra::Program program_;
};

}  // namespace velmora::renderer::sprite
