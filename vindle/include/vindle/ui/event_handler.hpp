#pragma once
// Runs a handler on the events of a widget. A tree walk sees the handler and
// its child as one widget: the handler shares the child's core, so the flags
// the controller sets land in the child's core.
#include <functional>
#include <utility>

#include "vindle/ui/widget.hpp"

namespace vindle::ui {

template <std::derived_from<Widget> Child>
class EventHandler final : public Widget {
public:
    EventHandler(Child child, std::function<void(const Event&)> handler)
        : child_(std::move(child)), handler_(std::move(handler)) {}

    const WidgetCore& core() const override { return child_.core(); }
    WidgetCore& core_mut() override { return child_.core_mut(); }
    void calc_constraints() override { child_.calc_constraints(); }
    void layout_children() override { child_.layout_children(); }
    void update(double dt) override { child_.update(dt); }
    void draw(ovra::Framebuffer& framebuffer) override { child_.draw(framebuffer); }
    void handle_event(const Event& event) override {
        handler_(event);
        child_.handle_event(event);
    }
    void walk_children_mut(const std::function<void(Widget&)>& visit) override { child_.walk_children_mut(visit); }

    const Widget& leaf() const
        requires Container<Child>
    {
        return child_.leaf();
    }

private:
    Child child_;
    std::function<void(const Event&)> handler_;
};

// Calls `action` on a click of any mouse button, and on no other event.
template <std::derived_from<Widget> W>
EventHandler<W> on_click(W widget, std::function<void()> action) {
    return EventHandler<W>(std::move(widget), [action = std::move(action)](const Event& event) {
        if (std::holds_alternative<Click>(event)) action();
    });
}

}  // namespace vindle::ui
