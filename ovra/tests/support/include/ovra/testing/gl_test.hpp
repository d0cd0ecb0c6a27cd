#pragma once
// Display tests (CTest label gl, run under `xvfb-run -a`): a fixture that
// opens a hidden window with GLFW's default (compatibility profile) GL
// context, makes it current and wraps it in an Ovra. Without a display, or
// with a context older than GL 3.3, the test fails: it never skips, so a
// CI run that lost its display cannot pass silently.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include <kimbly/vec2.hpp>

#include "ovra/context.hpp"
#include "ovra/framebuffer.hpp"

namespace ovra::testing {

class GlTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    OvraHandle ovra;

private:
    void* window_ = nullptr;
};

// The RGBA bytes of the whole framebuffer, row by row from the bottom.
std::vector<std::uint8_t> read_pixels(const Framebuffer& framebuffer);

// The pixel at (x, y), counted from the lower-left corner, of read_pixels'
// result for a framebuffer `width` pixels wide.
std::array<std::uint8_t, 4> pixel_at(const std::vector<std::uint8_t>& pixels, std::uint64_t width, std::uint64_t x,
                                     std::uint64_t y);

// Writes read_pixels' result as a PNG (top row first) for a person to look
// at; returns false when the file could not be written.
bool write_png(const std::string& path, kimbly::Vec2Usize size, const std::vector<std::uint8_t>& pixels);

// The GL error code now pending (0 for none), read and cleared.
std::uint32_t take_gl_error();

}  // namespace ovra::testing
