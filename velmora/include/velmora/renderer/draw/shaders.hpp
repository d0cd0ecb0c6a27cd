#pragma once
// The GLSL texts of the viewer's batch drawers, each holding both stages for
// ShaderLib::compile; kept here so a test can compile and measure them.
#include <string_view>

namespace velmora::renderer::shaders {

// Ez's flat shapes on the ground plane, one instance per shape.
extern const std::string_view EZ_INSTANCED;
// Ez's shapes in window pixels.
extern const std::string_view EZ_SCREEN;
// Camera-facing textured squares.
extern const std::string_view SPRITE;
// Camera-facing ring gauges.
extern const std::string_view CIRCLE_BAR;

}  // namespace velmora::renderer::shaders
