#pragma once
// Display tests of the viewer's drawers: an engine context over the test's
// real GL context, a texture framebuffer to draw into, and pixel checks.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <ovra/draw.hpp>
#include <ovra/framebuffer.hpp>
#include <ovra/testing/gl_test.hpp>
#include <vindle/context.hpp>
#include <vindle/window.hpp>

#include "velmora/camera.hpp"

namespace velmora::testing {

using Pixel = std::array<std::uint8_t, 4>;

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

// A window that is only a size: the test draws into texture framebuffers.
class FixedWindow final : public vindle::window::Window {
public:
    kimbly::Vec2Usize real_size() const override { return {64, 64}; }
    void set_fullscreen(bool) override {}

protected:
    void present() override {}
    std::vector<vindle::window::RawEvent> collect() override { return {}; }
};

struct ViewerGlTest : ovra::testing::GlTest {
    void SetUp() override {
        GlTest::SetUp();
        if (HasFatalFailure()) return;
        engine = vindle::Vindle::create_with(std::make_unique<FixedWindow>(), ovra, vindle::ContextOptions{}, 2);
    }
    void TearDown() override {
        framebuffer.reset();
        target.reset();
        engine.reset();
        GlTest::TearDown();
    }

    // A cleared framebuffer of `size` over a fresh texture.
    ovra::Framebuffer& target_of(kimbly::Vec2Usize size, kimbly::ColorF32 clear = {0, 0, 0, 0}) {
        framebuffer.reset();
        target = ovra::Texture2d::new_uninitialized(ovra, size);
        framebuffer.emplace(ovra, *target);
        ovra::draw::clear(*framebuffer, clear, 1.0f);
        return *framebuffer;
    }

    Pixel pixel(std::uint64_t x, std::uint64_t y) const {
        return ovra::testing::pixel_at(ovra::testing::read_pixels(*framebuffer), framebuffer->size().x, x, y);
    }

    std::shared_ptr<vindle::Vindle> engine;
    std::optional<ovra::Texture2d> target;
    std::optional<ovra::Framebuffer> framebuffer;
};

// Looking straight down without perspective at `center`, showing
// 2 × `half_height` cells from the bottom edge to the top.
inline camera::Camera top_down(kimbly::Vec2F32 center, float half_height) {
    return camera::Camera{center, 0.0f, camera::HALF_PI, half_height, false};
}

}  // namespace velmora::testing
