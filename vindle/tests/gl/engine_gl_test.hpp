#pragma once
// Display tests of the engine's drawers: a shader library over the real
// context and a texture framebuffer to draw into and read back.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <optional>
#include <vector>

#include <ovra/framebuffer.hpp>
#include <ovra/testing/gl_test.hpp>

#include "vindle/shader_lib.hpp"

namespace vindle::testing {

using Pixel = std::array<std::uint8_t, 4>;

inline bool near(Pixel actual, Pixel expected, int tolerance = 2) {
    for (std::size_t i = 0; i < 4; ++i) {
        if (std::abs(int(actual[i]) - int(expected[i])) > tolerance) return false;
    }
    return true;
}

inline std::string describe(Pixel pixel) {
    return std::to_string(pixel[0]) + " " + std::to_string(pixel[1]) + " " + std::to_string(pixel[2]) + " " +
           std::to_string(pixel[3]);
}

struct EngineGlTest : ovra::testing::GlTest {
    void SetUp() override {
        GlTest::SetUp();
        if (HasFatalFailure()) return;
        library = std::make_unique<shader_lib::ShaderLib>(ovra);
    }
    void TearDown() override {
        framebuffer.reset();
        target.reset();
        library.reset();
        GlTest::TearDown();
    }

    // A framebuffer of `size` over a fresh texture.
    ovra::Framebuffer& target_of(kimbly::Vec2Usize size) {
        framebuffer.reset();
        target = ovra::Texture2d::new_uninitialized(ovra, size);
        framebuffer.emplace(ovra, *target);
        return *framebuffer;
    }

    std::unique_ptr<shader_lib::ShaderLib> library;
    std::optional<ovra::Texture2d> target;
    std::optional<ovra::Framebuffer> framebuffer;
};

}  // namespace vindle::testing
