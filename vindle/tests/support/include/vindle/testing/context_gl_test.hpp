#pragma once
// Display tests of what draws through an engine context: the context over
// the test's real GL context, and a texture framebuffer to draw into and
// read back. Benchmarks of drawing open it outside a test run.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include <ovra/draw.hpp>
#include <ovra/framebuffer.hpp>
#include <ovra/testing/gl_test.hpp>

#include "vindle/context.hpp"
#include "vindle/window.hpp"

namespace vindle::testing {

using Pixel = std::array<std::uint8_t, 4>;

// A window that is only a size: the test draws into texture framebuffers.
class FixedWindow final : public window::Window {
public:
    kimbly::Vec2Usize real_size() const override { return {64, 64}; }
    void set_fullscreen(bool) override {}

protected:
    void present() override {}
    std::vector<window::RawEvent> collect() override { return {}; }
};

struct ContextGlTest : ovra::testing::GlTest {
    void SetUp() override {
        GlTest::SetUp();
        if (HasFatalFailure()) return;
        engine = Vindle::create_with(std::make_unique<FixedWindow>(), ovra, ContextOptions{}, 2);
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

    std::shared_ptr<Vindle> engine;
    std::optional<ovra::Texture2d> target;
    std::optional<ovra::Framebuffer> framebuffer;
};

}  // namespace vindle::testing
