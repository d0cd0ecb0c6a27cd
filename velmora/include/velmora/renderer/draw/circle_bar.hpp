#pragma once
// Ring gauges that always face the camera, such as the units' health rings.
// Main thread only.
#include <array>
#include <cstddef>
#include <memory>
#include <type_traits>
#include <vector>

#include <kimbly/color.hpp>
#include <kimbly/vec3.hpp>
#include <ovra/framebuffer.hpp>
#include <ovra/program.hpp>
#include <ovra/vertex_buffer.hpp>
#include <vindle/context.hpp>

#include "velmora/camera.hpp"
#include "velmora/renderer/draw/batch.hpp"

namespace velmora::renderer::circle_bar {

// A ring from 0.8 to 1 of the half size `i_size` around `i_pos`. The part
// `i_value` (0 to 1) of it, starting on the left and turning
// counter-clockwise through the bottom, shows `i_color`; the rest shows
// `i_color_off`.
struct Instance {
    kimbly::Vec3 i_pos;
    float i_value = 1;
    float i_size = 1;
    kimbly::ColorF32 i_color_off;
    kimbly::ColorF32 i_color;
};
constexpr std::array<ovra::VertexAttribute, 5> vertex_attributes(std::type_identity<Instance>) {
    return {{{"i_pos", offsetof(Instance, i_pos), 3},
             {"i_value", offsetof(Instance, i_value), 1},
             {"i_size", offsetof(Instance, i_size), 1},
             {"i_color_off", offsetof(Instance, i_color_off), 4},
             {"i_color", offsetof(Instance, i_color), 4}}};
}

class Renderer {
public:
    // Compiles the program; a failure stops the program.
    explicit Renderer(std::shared_ptr<vindle::Vindle> engine);

    // One ring per instance; depth is not written.
    void draw(ovra::Framebuffer& framebuffer, const camera::Camera& camera, std::vector<Instance> instances) const;

private:
    std::shared_ptr<vindle::Vindle> engine_;
    mutable ovra::VertexBuffer<Corner> corners_;
    ovra::Program program_;
};

}  // namespace velmora::renderer::circle_bar
