#pragma once
// Resources in the space view: glowing blue clouds that drift, pulse and
// shrink to a fifth of their size as they are mined. Their motion comes from
// smooth 2D noise over time, so every resource moves on its own.
#include <vector>

#include <kimbly/noise.hpp>

#include "velmora/model/model.hpp"
#include "velmora/renderer/broken_data.hpp"
#include "velmora/renderer/view_shapes.hpp"

namespace velmora::renderer::space {

inline constexpr kimbly::ColorF32 CLOUD_COLOR_ONE{66.0f / 255.0f, 141.0f / 255.0f, 210.0f / 255.0f, 1.0f};
inline constexpr kimbly::ColorF32 CLOUD_COLOR_TWO{8.0f / 255.0f, 118.0f / 255.0f, 230.0f / 255.0f, 1.0f};

struct Nebulae {
    // Per resource, a large faint halo then a small bright core.
    std::vector<Billboard> glows;
    // Per resource, a tiny glowing model at the heart of the cloud.
    std::vector<ModelPlacement> cores;
    // Per resource, the faint cloud model around it.
    std::vector<ModelPlacement> clouds;
};

// The resources of `state` at time `time` (the shown tick plus the fraction).
Nebulae nebulae(const model::Model& state, double time, const kimbly::noise::Noise2& noise, BrokenDataLog& log);

}  // namespace velmora::renderer::space
