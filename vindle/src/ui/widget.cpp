#include "vindle/ui/widget.hpp"

#include <atomic>

namespace vindle::ui {

namespace {
std::atomic<std::uint64_t> NEXT_ID{0};
}

ID ID::new_id() { return ID(NEXT_ID.fetch_add(1, std::memory_order_relaxed)); }

void traverse_mut(Widget& widget, const std::function<void(Widget&)>& enter,
                  const std::function<void(Widget&)>& leave) {
    enter(widget);
    widget.walk_children_mut([&](Widget& child) { traverse_mut(child, enter, leave); });
    leave(widget);
}

}  // namespace vindle::ui
