#pragma once
// Ring gauges that always face the camera, such as the units' health rings.
// Main thread only.
#include <array>
#include <cstddef>
#include <memory>
#include <type_traits>
#include <vector>

#include <ovra/framebuffer.hpp>
#include <ovra/program.hpp>
#include <ovra/vertex_buffer.hpp>
#include <vindle/context.hpp>

#include "velmora/camera.hpp"
#include "velmora/renderer/draw/batch.hpp"
#include "velmora/renderer/view_shapes.hpp"

namespace velmora::renderer {

constexpr std::array<ovra::VertexAttribute, 5> vertex_attributes(std::type_identity<Ring>) {
    return {{{"i_pos", offsetof(Ring, position), 3},
             {"i_value", offsetof(Ring, value), 1},
             {"i_size", offsetof(Ring, size), 1},
             {"i_color_off", offsetof(Ring, color_off), 4},
             {"i_color", offsetof(Ring, color), 4}}};
}

}  // namespace velmora::renderer

namespace velmora::renderer::circle_bar {

// A ring from 0.8 to 1 of the half size `size` around `position`. The part
// `value` (0 to 1) of it, starting on the left and turning counter-clockwise
// through the bottom, shows `color`; the rest shows `color_off`.
using Instance = Ring;

class Renderer {
public:
    // Compiles the program; a failure stops the program.
    explicit Renderer(std::shared_ptr<vindle::Vindle> engine);

    // One ring per instance; depth is not written.
    void draw(ovra::Framebuffer& framebuffer, const camera::Camera& camera, const std::vector<Instance>& instances) const;

private:
    std::shared_ptr<vindle::Vindle> engine_;
    mutable ovra::VertexBuffer<Corner> corners_;
    ovra::Program program_;
};

}  // namespace velmora::renderer::circle_bar
