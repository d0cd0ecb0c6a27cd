#pragma once
// What the views' builders produce, before the drawing side turns it into
// the records of its instanced draws. Kept free of GL so that the pictures
// can be checked without a display.
#include <kimbly/color.hpp>
#include <kimbly/vec2.hpp>
#include <kimbly/vec3.hpp>

namespace velmora::renderer {

// Multiplies a texture or a model by one: it is drawn in its own colours.
inline constexpr kimbly::ColorF32 WHITE{1.0f, 1.0f, 1.0f, 1.0f};

// An axis-aligned square of the board plane.
struct Square {
    kimbly::Vec2F32 center;
    // Half width and half height.
    kimbly::Vec2F32 half_size;
    kimbly::ColorF32 color;

    bool operator==(const Square&) const = default;
};

// One end of a line on the board plane, its colour blended along the line.
struct LinePoint {
    kimbly::Vec2F32 position;
    kimbly::ColorF32 color;

    bool operator==(const LinePoint&) const = default;
};

// A textured square facing the camera.
struct Billboard {
    kimbly::Vec3 position;
    // Turn in the screen plane.
    float rotation = 0.0f;
    // Half side in world units.
    float size = 0.0f;
    kimbly::ColorF32 color;

    bool operator==(const Billboard&) const = default;
};

// A ring gauge facing the camera, filled counter-clockwise from its left.
struct Ring {
    kimbly::Vec3 position;
    // The filled fraction.
    float value = 0.0f;
    float size = 0.0f;
    kimbly::ColorF32 color_off;
    kimbly::ColorF32 color;

    bool operator==(const Ring&) const = default;
};

// One placement of a 3D model.
struct ModelPlacement {
    kimbly::Vec3 position;
    // Turn about the vertical axis.
    float rotation = 0.0f;
    // Turn about the model's own x axis, applied before the rotation.
    float tilt = 0.0f;
    // Uniform scale.
    float size = 0.0f;
    kimbly::ColorF32 color;
    // Added to the light, up to full brightness.
    float emission = 0.0f;

    bool operator==(const ModelPlacement&) const = default;
};

}  // namespace velmora::renderer
