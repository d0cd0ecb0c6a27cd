#pragma once
// What a person does with the program's window, done through the X server
// the test runs under: find it by its title, look at it, close it.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include <kimbly/vec2.hpp>

namespace velmora::testing {

class X11Session {
public:
    explicit X11Session(const std::string& name) : display_(XOpenDisplay(name.c_str())) {
        // A window that goes away or is not shown yet is an answer, not a reason to end the test program.
        XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
    }
    ~X11Session() {
        if (display_) XCloseDisplay(display_);
    }
    X11Session(const X11Session&) = delete;
    X11Session& operator=(const X11Session&) = delete;

    bool open() const { return display_ != nullptr; }

    // The window titled `title` of the process `pid` (several tests may
    // show their windows on one server), waited for up to `limit`.
    std::optional<::Window> find(const std::string& title, long pid, std::chrono::seconds limit) {
        const auto end = std::chrono::steady_clock::now() + limit;
        while (std::chrono::steady_clock::now() < end) {
            if (auto found = search(DefaultRootWindow(display_), title, pid)) return found;
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        return std::nullopt;
    }

    // The window's pixels as RGBA rows from the bottom, as a GL read-back
    // gives them; none while it is not shown.
    std::vector<std::uint8_t> capture(::Window window, kimbly::Vec2Usize& size) {
        XWindowAttributes attributes{};
        std::vector<std::uint8_t> pixels;
        if (!XGetWindowAttributes(display_, window, &attributes) || attributes.map_state != IsViewable) return pixels;
        size = {static_cast<std::uint64_t>(attributes.width), static_cast<std::uint64_t>(attributes.height)};
        XImage* image = XGetImage(display_, window, 0, 0, attributes.width, attributes.height, AllPlanes, ZPixmap);
        if (!image) return pixels;
        pixels.reserve(size.x * size.y * 4);
        for (int y = attributes.height - 1; y >= 0; --y) {
            for (int x = 0; x < attributes.width; ++x) {
                const unsigned long pixel = XGetPixel(image, x, y);
                pixels.push_back(static_cast<std::uint8_t>((pixel & image->red_mask) >> 16));
                pixels.push_back(static_cast<std::uint8_t>((pixel & image->green_mask) >> 8));
                pixels.push_back(static_cast<std::uint8_t>(pixel & image->blue_mask));
                pixels.push_back(255);
            }
        }
        XDestroyImage(image);
        return pixels;
    }

    // As the window manager's close button asks.
    void close(::Window window) {
        XEvent event{};
        event.xclient.type = ClientMessage;
        event.xclient.window = window;
        event.xclient.message_type = XInternAtom(display_, "WM_PROTOCOLS", False);
        event.xclient.format = 32;
        event.xclient.data.l[0] = static_cast<long>(XInternAtom(display_, "WM_DELETE_WINDOW", False));
        event.xclient.data.l[1] = CurrentTime;
        XSendEvent(display_, window, False, NoEventMask, &event);
        XFlush(display_);
    }

private:
    std::optional<long> pid_of(::Window window) {
        Atom type = 0;
        int format = 0;
        unsigned long count = 0, after = 0;
        unsigned char* data = nullptr;
        const Atom property = XInternAtom(display_, "_NET_WM_PID", False);
        std::optional<long> pid;
        if (XGetWindowProperty(display_, window, property, 0, 1, False, XA_CARDINAL, &type, &format, &count, &after,
                               &data) == Success &&
            data && count == 1 && format == 32) {
            pid = *reinterpret_cast<long*>(data);
        }
        if (data) XFree(data);
        return pid;
    }

    std::optional<::Window> search(::Window parent, const std::string& title, long pid) {
        ::Window root = 0, up = 0;
        ::Window* children = nullptr;
        unsigned count = 0;
        if (!XQueryTree(display_, parent, &root, &up, &children, &count)) return std::nullopt;
        std::optional<::Window> found;
        for (unsigned i = 0; i < count && !found; ++i) {
            char* name = nullptr;
            if (XFetchName(display_, children[i], &name) && name) {
                if (title == name && pid_of(children[i]) == pid) found = children[i];
                XFree(name);
            }
            if (!found) found = search(children[i], title, pid);
        }
        if (children) XFree(children);
        return found;
    }

    Display* display_;
};

}  // namespace velmora::testing
