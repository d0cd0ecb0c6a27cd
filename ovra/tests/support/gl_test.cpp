#include "ovra/testing/gl_test.hpp"

// epoxy first, and GLFW without its own GL header.
#include <epoxy/gl.h>
#define GLFW_INCLUDE_NONE
#include <GLFW/glfw3.h>

#include <stb_image_write.h>

#include <string>

namespace ovra::testing {

namespace {

std::string last_glfw_error;

void remember_error(int code, const char* description) {
    last_glfw_error = std::to_string(code) + " " + (description ? description : "");
}

bool glfw_ready() {
    // Once per process; GLFW stays up until exit, as windows come and go.
    static const bool ready = [] {
        glfwSetErrorCallback(remember_error);
        return glfwInit() == GLFW_TRUE;
    }();
    return ready;
}

}  // namespace

void GlTest::SetUp() {
    ASSERT_TRUE(glfw_ready()) << "no display for the GL tests (run them under xvfb-run -a): " << last_glfw_error;
    glfwDefaultWindowHints();
    glfwWindowHint(GLFW_VISIBLE, GLFW_FALSE);
    GLFWwindow* window = glfwCreateWindow(64, 64, "ovra test", nullptr, nullptr);
    ASSERT_NE(window, nullptr) << "no GL window: " << last_glfw_error;
    window_ = window;
    glfwMakeContextCurrent(window);
    int major = glfwGetWindowAttrib(window, GLFW_CONTEXT_VERSION_MAJOR);
    int minor = glfwGetWindowAttrib(window, GLFW_CONTEXT_VERSION_MINOR);
    ASSERT_GE(major * 10 + minor, 33) << "the GL tests need GL 3.3 or later, got " << major << "." << minor;
    ovra = Ovra::create_from_window();
}

void GlTest::TearDown() {
    // GPU objects of the test are gone by now; the context goes with the window.
    ovra.reset();
    if (window_) glfwDestroyWindow(static_cast<GLFWwindow*>(window_));
}

std::vector<std::uint8_t> read_pixels(const Framebuffer& framebuffer) {
    kimbly::Vec2Usize size = framebuffer.size();
    std::vector<std::uint8_t> pixels(size.x * size.y * 4);
    framebuffer.fbo().bind();
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, static_cast<GLsizei>(size.x), static_cast<GLsizei>(size.y), GL_RGBA, GL_UNSIGNED_BYTE,
                 pixels.data());
    return pixels;
}

std::array<std::uint8_t, 4> pixel_at(const std::vector<std::uint8_t>& pixels, std::uint64_t width, std::uint64_t x,
                                     std::uint64_t y) {
    std::size_t at = (y * width + x) * 4;
    return {pixels.at(at), pixels.at(at + 1), pixels.at(at + 2), pixels.at(at + 3)};
}

bool write_png(const std::string& path, kimbly::Vec2Usize size, const std::vector<std::uint8_t>& pixels) {
    stbi_flip_vertically_on_write(1);
    int width = static_cast<int>(size.x);
    return stbi_write_png(path.c_str(), width, static_cast<int>(size.y), 4, pixels.data(), width * 4) != 0;
}

std::uint32_t take_gl_error() { return glGetError(); }

}  // namespace ovra::testing
