#pragma once
// Runs the passes of the UI over a tree that the caller builds for each
// call: every call lays the whole tree out, then walks it once for its
// purpose. The controller keeps no reference to the tree.
#include <optional>

#include <kimbly/aabb.hpp>
#include <kimbly/vec2.hpp>
#include <ovra/framebuffer.hpp>

#include "vindle/events.hpp"
#include "vindle/ui/widget.hpp"

namespace vindle::ui {

// Constraints bottom-up, then `box` for the root, then each widget places
// its children top-down.
void lay_out(Widget& root, kimbly::AabbF64 box);

class Controller {
public:
    void update(Widget& root, double dt);
    // The root's box becomes the framebuffer's size from here on.
    void draw(Widget& root, ovra::Framebuffer& framebuffer);
    // Turns the engine event into UI events for every widget. No event is
    // ever reported as consumed: the result is always false.
    bool handle_event(Widget& root, const events::Event& event);
    void layout(Widget& root);

    kimbly::Vec2<double> size() const { return size_; }
    std::optional<Position> last_touch() const { return last_touch_; }

private:
    kimbly::Vec2<double> size_{1, 1};
    std::optional<Position> last_touch_;
};

}  // namespace vindle::ui
