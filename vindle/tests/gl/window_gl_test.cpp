#include <gtest/gtest.h>

#include "vindle/window_glfw.hpp"

namespace {

TEST(WindowGl, ANewWindowHasASizeSwapsAndGoesFullscreenAndBack) {
    vindle::window::GlfwWindow window("window test", false);
    auto size = window.real_size();
    EXPECT_GT(size.x, 0u);
    EXPECT_GT(size.y, 0u);
    EXPECT_EQ(window.ovra()->size(), size);
    window.swap_buffers();
    EXPECT_FALSE(window.should_close());
    window.toggle_fullscreen();
    window.swap_buffers();
    window.toggle_fullscreen();
    window.swap_buffers();
    EXPECT_GT(window.real_size().x, 0u);
}

}  // namespace
