#include <GLFW/glfw3.h>

#include <algorithm>

#include <fmt/format.h>

#include <kimbly/logger.hpp>
#include <kimbly/panic.hpp>

#include "vindle/window_glfw.hpp"

namespace vindle::window {

namespace {

// The size glfwCreateWindow needs; the window system has no default of its own.
constexpr int DEFAULT_WIDTH = 1024;
constexpr int DEFAULT_HEIGHT = 768;

void report_error(int code, const char* description) {
    kimbly::logger::error("vindle::window", "GLFW error {}: {}", code, description ? description : "");
}

// GLFW names only the printable keys; these are the others the engine has
// no Key for.
std::string name_of_key(int code, int scancode) {
    if (const char* name = glfwGetKeyName(code, scancode)) return name;
    if (code >= GLFW_KEY_F13 && code <= GLFW_KEY_F25) return fmt::format("F{}", 13 + code - GLFW_KEY_F13);
    if (code >= GLFW_KEY_KP_0 && code <= GLFW_KEY_KP_9) return fmt::format("Numpad{}", code - GLFW_KEY_KP_0);
    switch (code) {
        case GLFW_KEY_TAB: return "Tab";
        case GLFW_KEY_INSERT: return "Insert";
        case GLFW_KEY_DELETE: return "Delete";
        case GLFW_KEY_HOME: return "Home";
        case GLFW_KEY_END: return "End";
        case GLFW_KEY_CAPS_LOCK: return "CapsLock";
        case GLFW_KEY_SCROLL_LOCK: return "ScrollLock";
        case GLFW_KEY_NUM_LOCK: return "NumLock";
        case GLFW_KEY_PRINT_SCREEN: return "PrintScreen";
        case GLFW_KEY_PAUSE: return "Pause";
        case GLFW_KEY_KP_ENTER: return "NumpadEnter";
        case GLFW_KEY_LEFT_SUPER: return "LSuper";
        case GLFW_KEY_RIGHT_SUPER: return "RSuper";
        case GLFW_KEY_MENU: return "Menu";
        default: return fmt::format("key {}", code);
    }
}

}  // namespace

struct GlfwCallbacks {
    static GlfwWindow& of(GLFWwindow* window) { return *static_cast<GlfwWindow*>(glfwGetWindowUserPointer(window)); }

    static void install(GLFWwindow* window) {
        glfwSetFramebufferSizeCallback(window, [](GLFWwindow* w, int width, int height) {
            of(w).pending_.emplace_back(raw::Resized{{std::uint64_t(std::max(width, 0)), std::uint64_t(std::max(height, 0))}});
        });
        glfwSetWindowCloseCallback(window, [](GLFWwindow* w) { of(w).pending_.emplace_back(raw::CloseRequested{}); });
        glfwSetKeyCallback(window, [](GLFWwindow* w, int key, int scancode, int action, int) {
            of(w).pending_.emplace_back(raw::KeyInput{key, name_of_key(key, scancode), action != GLFW_RELEASE});
        });
        glfwSetCursorPosCallback(window, [](GLFWwindow* w, double x, double y) {
            // GLFW reports screen coordinates; the engine works in framebuffer pixels.
            int window_width = 0, window_height = 0, width = 0, height = 0;
            glfwGetWindowSize(w, &window_width, &window_height);
            glfwGetFramebufferSize(w, &width, &height);
            double sx = window_width > 0 ? double(width) / window_width : 1.0;
            double sy = window_height > 0 ? double(height) / window_height : 1.0;
            of(w).pending_.emplace_back(raw::CursorMoved{{x * sx, y * sy}});
        });
        // GLFW does not tell lines from pixels; its offsets are in lines.
        glfwSetScrollCallback(window, [](GLFWwindow* w, double x, double y) {
            of(w).pending_.emplace_back(raw::WheelLines{{x, y}});
        });
        glfwSetMouseButtonCallback(window, [](GLFWwindow* w, int button, int action, int) {
            of(w).pending_.emplace_back(raw::MouseInput{button, action == GLFW_PRESS});
        });
    }
};

GlfwWindow::GlfwWindow(const std::string& title, bool vsync) {
    glfwSetErrorCallback(report_error);
    if (glfwInit() != GLFW_TRUE) kimbly::panic("could not initialize the window system");
    glfwDefaultWindowHints();
    window_ = glfwCreateWindow(DEFAULT_WIDTH, DEFAULT_HEIGHT, title.c_str(), nullptr, nullptr);
    if (!window_) kimbly::panic("could not create the window");
    glfwMakeContextCurrent(window_);
    glfwSwapInterval(vsync ? 1 : 0);
    glfwSetWindowUserPointer(window_, this);
    GlfwCallbacks::install(window_);
    ovra_ = ovra::Ovra::create_from_window();
    ovra_->_set_size(real_size());
}

GlfwWindow::~GlfwWindow() {
    ovra_.reset();
    glfwDestroyWindow(window_);
}

kimbly::Vec2Usize GlfwWindow::real_size() const {
    int width = 0, height = 0;
    glfwGetFramebufferSize(window_, &width, &height);
    return {std::uint64_t(std::max(width, 0)), std::uint64_t(std::max(height, 0))};
}

void GlfwWindow::present() { glfwSwapBuffers(window_); }

std::vector<RawEvent> GlfwWindow::collect() {
    glfwPollEvents();
    return std::exchange(pending_, {});
}

void GlfwWindow::set_fullscreen(bool fullscreen) {
    if (fullscreen && !fullscreen_) {
        glfwGetWindowPos(window_, &saved_x_, &saved_y_);
        glfwGetWindowSize(window_, &saved_width_, &saved_height_);
        // The monitor that holds most of the window.
        int count = 0;
        GLFWmonitor** monitors = glfwGetMonitors(&count);
        GLFWmonitor* best = count > 0 ? monitors[0] : nullptr;
        long best_area = -1;
        for (int i = 0; i < count; ++i) {
            int mx = 0, my = 0;
            glfwGetMonitorPos(monitors[i], &mx, &my);
            const GLFWvidmode* mode = glfwGetVideoMode(monitors[i]);
            if (!mode) continue;
            long w = std::min(saved_x_ + saved_width_, mx + mode->width) - std::max(saved_x_, mx);
            long h = std::min(saved_y_ + saved_height_, my + mode->height) - std::max(saved_y_, my);
            long area = std::max(w, 0L) * std::max(h, 0L);
            if (area > best_area) best_area = area, best = monitors[i];
        }
        if (const GLFWvidmode* mode = best ? glfwGetVideoMode(best) : nullptr) {
            glfwSetWindowMonitor(window_, best, 0, 0, mode->width, mode->height, mode->refreshRate);
        }
    } else if (!fullscreen && fullscreen_) {
        glfwSetWindowMonitor(window_, nullptr, saved_x_, saved_y_, saved_width_, saved_height_, GLFW_DONT_CARE);
    }
    fullscreen_ = fullscreen;
}

}  // namespace vindle::window
