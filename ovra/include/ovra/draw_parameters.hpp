#pragma once
// The GL state of one draw. Callers start from the defaults and change
// fields; every draw applies its parameters whole, so nothing carries over
// from an earlier draw.
#include <optional>

#include <kimbly/aabb.hpp>
#include <kimbly/vec2.hpp>

#include "ovra/context.hpp"

namespace ovra {

enum class DepthFunc : ovra_raw::Enum {
    Never = 512,
    Less = 513,  // the default
    Equal = 514,
    LessEqual = 515,
    Greater = 516,
    NotEqual = 517,
    GreaterEqual = 518,
    Always = 519,
};

// Source alpha, one minus source alpha.
enum class BlendMode { Alpha };

enum class CullFace : ovra_raw::Enum {
    Front = 1028,
    Back = 1029,
    FrontAndBack = 1032,
};

struct DrawParameters {
    // In framebuffer pixels; none covers the whole framebuffer.
    std::optional<kimbly::AabbUsize> viewport;
    // None: the comparison always passes (depth testing itself stays on).
    std::optional<DepthFunc> depth_func;
    std::optional<BlendMode> blend_mode;
    std::optional<CullFace> cull_face;
    bool write_depth = true;

    // Sets depth comparison, blending, culling, viewport and depth writes,
    // in this order, for a framebuffer of `framebuffer_size`.
    void apply(Ovra& context, kimbly::Vec2Usize framebuffer_size) const;
};

}  // namespace ovra
