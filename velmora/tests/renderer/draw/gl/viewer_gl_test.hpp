#pragma once
// Display tests of the viewer's drawers: the engine's display fixture, and
// pixel checks.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <vector>

#include <vindle/testing/context_gl_test.hpp>

#include "velmora/camera.hpp"

namespace velmora::testing {

using vindle::testing::Pixel;

// What a cleared target holds where nothing was drawn.
constexpr Pixel CLEAR{0, 0, 0, 0};

inline ::testing::AssertionResult pixel_near(Pixel actual, Pixel expected, int tolerance = 2) {
    for (std::size_t i = 0; i < 4; ++i) {
        if (std::abs(int(actual[i]) - int(expected[i])) > tolerance) {
            return ::testing::AssertionFailure() << "pixel " << int(actual[0]) << " " << int(actual[1]) << " "
                                                 << int(actual[2]) << " " << int(actual[3]) << ", expected "
                                                 << int(expected[0]) << " " << int(expected[1]) << " "
                                                 << int(expected[2]) << " " << int(expected[3]);
        }
    }
    return ::testing::AssertionSuccess();
}

// The pixels as a window shows them. A window has no alpha, while a texture
// target keeps the alpha that translucent drawing leaves: saved as it is, a
// picture looks washed out wherever glows and clouds were blended.
inline std::vector<std::uint8_t> as_shown(std::vector<std::uint8_t> pixels) {
    for (std::size_t i = 3; i < pixels.size(); i += 4) pixels[i] = 255;
    return pixels;
}

using ViewerGlTest = vindle::testing::ContextGlTest;

// Looking straight down without perspective at `center`, showing
// 2 × `half_height` cells from the bottom edge to the top.
inline camera::Camera top_down(kimbly::Vec2F32 center, float half_height) {
    return camera::Camera{center, 0.0f, camera::HALF_PI, half_height, false};
}

}  // namespace velmora::testing
