#pragma once
// Textured squares that always face the camera, at points in space: stars,
// glows, bullets and explosions. Main thread only.
#include <array>
#include <cstddef>
#include <memory>
#include <type_traits>
#include <vector>

#include <ovra/framebuffer.hpp>
#include <ovra/program.hpp>
#include <ovra/texture.hpp>
#include <ovra/vertex_buffer.hpp>
#include <vindle/context.hpp>

#include "velmora/camera.hpp"
#include "velmora/renderer/draw/batch.hpp"
#include "velmora/renderer/view_shapes.hpp"

namespace velmora::renderer {

constexpr std::array<ovra::VertexAttribute, 4> vertex_attributes(std::type_identity<Billboard>) {
    return {{{"i_pos", offsetof(Billboard, position), 3},
             {"i_rotation", offsetof(Billboard, rotation), 1},
             {"i_size", offsetof(Billboard, size), 1},
             {"i_color", offsetof(Billboard, color), 4}}};
}

}  // namespace velmora::renderer

namespace velmora::renderer::sprite {

// A square of half size `size` (world units at its depth) centred at
// `position`, turned in the screen plane by `rotation`.
using Instance = Billboard;

class Renderer {
public:
    // Compiles the program; a failure stops the program.
    explicit Renderer(std::shared_ptr<vindle::Vindle> engine);

    // One billboard per instance, showing the texture times its colour;
    // depth is not written.
    void draw(ovra::Framebuffer& framebuffer, const camera::Camera& camera, const ovra::Texture2d& texture,
              const std::vector<Instance>& instances) const;
    // The same from records kept in a buffer of the caller's, such as the
    // star field, which never changes.
    void draw(ovra::Framebuffer& framebuffer, const camera::Camera& camera, const ovra::Texture2d& texture,
              ovra::VertexBuffer<Instance>& instances) const;

private:
    std::shared_ptr<vindle::Vindle> engine_;
    mutable ovra::VertexBuffer<Corner> corners_;
    ovra::Program program_;
};

}  // namespace velmora::renderer::sprite
