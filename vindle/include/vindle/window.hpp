#pragma once
// The engine's one window: it presents frames and turns the window system's
// pending events into engine events, keeping the keys and buttons held down
// and the cursor. The conversion and dispatch live here, fed by plain raw
// events, so they run without a display; the window system itself sits
// behind present/collect (GlfwWindow, or a scripted window in tests).
#include <functional>
#include <optional>
#include <string>
#include <unordered_set>
#include <variant>
#include <vector>

#include <kimbly/exclusive_cell.hpp>
#include <kimbly/vec2.hpp>

#include "vindle/events.hpp"

namespace vindle::window {

// What the window system reports, before conversion. Positions in physical
// pixels with the origin at the top-left; key and button codes are GLFW's.
namespace raw {
struct Resized {
    kimbly::Vec2Usize size;
};
struct CloseRequested {};
struct KeyInput {
    int code;
    // The window system's name of the key, for the warning about keys the
    // engine does not know.
    std::string name;
    bool pressed;
};
struct CursorMoved {
    kimbly::Vec2<double> position;
};
struct WheelLines {
    kimbly::Vec2<double> delta;
};
struct WheelPixels {
    kimbly::Vec2<double> delta;
};
struct MouseInput {
    int button;
    bool pressed;
};
}  // namespace raw
using RawEvent =
    std::variant<raw::Resized, raw::CloseRequested, raw::KeyInput, raw::CursorMoved, raw::WheelLines, raw::WheelPixels,
                 raw::MouseInput>;

// The engine key of a key code; Unknown for every code the engine has no name
// for, none for a key without a code.
std::optional<events::Key> key_of(int code);
using events::key_name;

using EventHandler = std::function<void(events::Event)>;

class Window {
public:
    virtual ~Window() = default;

    // Presents the frame, then converts every pending event and dispatches
    // them in order: the pressed sets and the cursor first, then the handler.
    void swap_buffers();
    // Replacing the handler from inside the handler stops the program with
    // "already borrowed".
    void set_event_handler(EventHandler handler);

    virtual kimbly::Vec2Usize real_size() const = 0;
    bool should_close() const { return close_requested_; }
    bool is_key_pressed(events::Key key) const { return keys_.contains(key); }
    std::unordered_set<events::Key> pressed_keys() const { return keys_; }
    std::unordered_set<events::MouseButton> pressed_buttons() const { return buttons_; }
    events::Position mouse_pos() const { return cursor_; }

    virtual void set_fullscreen(bool fullscreen) = 0;
    void toggle_fullscreen() { set_fullscreen(!fullscreen_); }

    // Queues a raw event as if the window system had reported it; it is
    // dispatched by the next swap, after the system's own pending events.
    void inject(RawEvent event) { injected_.push_back(std::move(event)); }

protected:
    virtual void present() = 0;
    // The window system's events pending now, without waiting for more.
    virtual std::vector<RawEvent> collect() = 0;
    // The drawable's new size, told at once on a resize.
    virtual void resized(kimbly::Vec2Usize) {}

    bool fullscreen_ = false;

private:
    std::optional<events::Event> convert(const RawEvent& event);
    void apply(const events::Event& event);

    kimbly::ExclusiveCell<EventHandler> handler_;
    std::unordered_set<events::Key> keys_;
    std::unordered_set<events::MouseButton> buttons_;
    events::Position cursor_{0, 0};
    bool close_requested_ = false;
    std::vector<RawEvent> injected_;
};

}  // namespace vindle::window
