#pragma once
// The widget interface of the UI toolkit. A screen builds a fresh tree for
// every controller call; state that must outlive the call (hover, capture, a
// button's click) lives in long-lived cores that the tree borrows.
//
// Coordinates are window pixels, origin at the lower-left corner, y up.
#include <concepts>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <type_traits>
#include <utility>
#include <variant>

#include <kimbly/aabb.hpp>
#include <kimbly/vec2.hpp>
#include <ovra/framebuffer.hpp>

#include "vindle/events.hpp"

namespace vindle::ui {

using Position = events::Position;
using MouseButton = events::MouseButton;

// A number taken from the process-wide counter, or void for widgets that are
// rebuilt on every call.
class ID {
public:
    // The next number; no number is handed out twice.
    static ID new_id();
    static ID void_id() { return ID(); }

    std::optional<std::uint64_t> number() const { return number_; }
    bool operator==(const ID&) const = default;

private:
    ID() = default;
    explicit ID(std::uint64_t number) : number_(number) {}
    std::optional<std::uint64_t> number_;
};

struct Constraints {
    kimbly::Vec2<double> min_size;
    // Weight per axis in sharing the space beyond the minimum; 0 takes none.
    kimbly::Vec2<double> flex;
    bool operator==(const Constraints&) const = default;
};

// The pointer events are the engine's own; a click is the UI's.
using MouseMove = events::MouseMove;
using MouseDown = events::MouseDown;
using MouseUp = events::MouseUp;
struct Click {
    MouseButton button;
};
using Event = std::variant<MouseMove, MouseDown, MouseUp, Click>;

class WidgetCore;

class Widget {
public:
    virtual ~Widget() = default;

    virtual const WidgetCore& core() const = 0;
    virtual WidgetCore& core_mut() = 0;
    // Children's constraints are already computed; without an override the
    // core keeps what it holds.
    virtual void calc_constraints() {}
    // The widget's own position is already set.
    virtual void layout_children() {}
    virtual void update(double /*dt*/) {}
    virtual void draw(ovra::Framebuffer& /*framebuffer*/) {}
    // The controller has already updated the core's flags.
    virtual void handle_event(const Event& /*event*/) {}
    virtual void walk_children_mut(const std::function<void(Widget&)>& /*visit*/) {}
};

using WidgetBox = std::unique_ptr<Widget>;

// The record every widget carries; on its own, a childless leaf that draws
// nothing.
class WidgetCore final : public Widget {
public:
    static WidgetCore new_core() { return WidgetCore(ID::new_id()); }
    static WidgetCore void_core() { return WidgetCore(ID::void_id()); }

    bool hovered() const { return hovered_; }
    bool captured() const { return captured_; }

    const WidgetCore& core() const override { return *this; }
    WidgetCore& core_mut() override { return *this; }

    ID id;
    kimbly::AabbF64 position{0, 1, 0, 1};
    Constraints constraints;

private:
    friend class Controller;
    explicit WidgetCore(ID identity) : id(identity) {}

    bool hovered_ = false;
    bool captured_ = false;
};

// Whether `p` is inside `box`: the right and top edges are outside, and a NaN
// coordinate is never inside.
inline bool is_inside(const kimbly::AabbF64& box, Position p) {
    return box.x_min <= p.x && p.x < box.x_max && box.y_min <= p.y && p.y < box.y_max;
}

// A composite whose `leaf()` core stands for the whole in hover and press.
template <class T>
concept Container = requires(const T& t) {
    { t.leaf() } -> std::convertible_to<const Widget&>;
};

// A widget used through a reference: every operation reaches the referee.
template <std::derived_from<Widget> W>
class Ref final : public Widget {
public:
    explicit Ref(W& widget) : widget_(&widget) {}

    const WidgetCore& core() const override { return widget_->core(); }
    WidgetCore& core_mut() override { return widget_->core_mut(); }
    void calc_constraints() override { widget_->calc_constraints(); }
    void layout_children() override { widget_->layout_children(); }
    void update(double dt) override { widget_->update(dt); }
    void draw(ovra::Framebuffer& framebuffer) override { widget_->draw(framebuffer); }
    void handle_event(const Event& event) override { widget_->handle_event(event); }
    void walk_children_mut(const std::function<void(Widget&)>& visit) override { widget_->walk_children_mut(visit); }

    const Widget& leaf() const
        requires Container<W>
    {
        return widget_->leaf();
    }

private:
    W* widget_;
};

template <std::derived_from<Widget> W>
Ref<W> ref(W& widget) {
    return Ref<W>(widget);
}

// Any widget, owned, as a tree node.
template <class W>
WidgetBox boxed(W&& widget) {
    using T = std::remove_cvref_t<W>;
    if constexpr (std::is_same_v<T, WidgetBox>) {
        return std::move(widget);
    } else {
        static_assert(std::derived_from<T, Widget>);
        return std::make_unique<T>(std::forward<W>(widget));
    }
}

// Depth-first: `enter` sees parents before children, `leave` children before
// parents, siblings in the order the parent walks them.
void traverse_mut(Widget& widget, const std::function<void(Widget&)>& enter,
                  const std::function<void(Widget&)>& leave);

// An editable value of a configuration screen: its current value and a tree
// that shows and edits it while borrowing the config.
template <class T>
class Config {
public:
    virtual ~Config() = default;
    virtual T get() const = 0;
    virtual WidgetBox ui() = 0;
};

}  // namespace vindle::ui
