#pragma once
// The window over GLFW, with its GL context current on the calling thread.
// Key repeats are delivered as presses, so a held key steps what a press
// steps (playback, a slider).
#include <string>
#include <vector>

#include <ovra/context.hpp>

#include "vindle/window.hpp"

struct GLFWwindow;

namespace vindle::window {

class GlfwWindow : public Window {
public:
    // Stops the program when the window or its context can't be made.
    GlfwWindow(const std::string& title, bool vsync);
    ~GlfwWindow() override;
    GlfwWindow(const GlfwWindow&) = delete;
    GlfwWindow& operator=(const GlfwWindow&) = delete;

    // The GL context made with the window.
    const ovra::OvraHandle& ovra() const { return ovra_; }

    kimbly::Vec2Usize real_size() const override;
    void set_fullscreen(bool fullscreen) override;

protected:
    void present() override;
    std::vector<RawEvent> collect() override;

private:
    friend struct GlfwCallbacks;

    GLFWwindow* window_ = nullptr;
    ovra::OvraHandle ovra_;
    std::vector<RawEvent> pending_;
    // Where the window was before it went fullscreen.
    int saved_x_ = 0, saved_y_ = 0, saved_width_ = 0, saved_height_ = 0;
};

}  // namespace vindle::window
