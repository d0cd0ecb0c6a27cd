#pragma once
// Widgets that arrange others: they draw nothing and react to no event. Each
// computes its constraints from its children's and gives each child its box.
// A NaN met by one of their comparisons is a broken invariant and stops the
// program; a box smaller than the children's minimum sizes lets them overlap
// or overflow, unclipped.
#include <optional>
#include <vector>

#include "vindle/ui/widget.hpp"

namespace vindle::ui {

// The parts of a widget with one child.
class SingleChild : public Widget {
public:
    const WidgetCore& core() const override { return core_; }
    WidgetCore& core_mut() override { return core_; }
    void walk_children_mut(const std::function<void(Widget&)>& visit) override { visit(*child_); }

protected:
    explicit SingleChild(WidgetBox child) : child_(std::move(child)) {}
    const Constraints& child_constraints() const { return child_->core().constraints; }
    void place_child(kimbly::AabbF64 box) { child_->core_mut().position = box; }

    WidgetCore core_ = WidgetCore::void_core();
    WidgetBox child_;
};

class Align final : public SingleChild {
public:
    // `align`: where the child sits in the spare space (0 left or bottom, 1
    // right or top); `flex_x`, `flex_y` replace the child's flex only in what
    // the Align reports to its parent.
    template <class W>
    Align(kimbly::Vec2<double> align, W&& child, std::optional<double> flex_x = std::nullopt,
          std::optional<double> flex_y = std::nullopt, bool keep_aspect = false)
        : SingleChild(boxed(std::forward<W>(child))),
          align(align),
          flex_x(flex_x),
          flex_y(flex_y),
          keep_aspect(keep_aspect) {}

    void calc_constraints() override;
    void layout_children() override;

    kimbly::Vec2<double> align;
    std::optional<double> flex_x;
    std::optional<double> flex_y;
    bool keep_aspect;
};

class Padding final : public SingleChild {
public:
    template <class W>
    Padding(double top, double right, double bottom, double left, W&& child)
        : SingleChild(boxed(std::forward<W>(child))), top(top), right(right), bottom(bottom), left(left) {}

    void calc_constraints() override;
    void layout_children() override;

    double top, right, bottom, left;
};

class Shrink final : public SingleChild {
public:
    // `ratio`: the share of the box taken away, half on each side.
    template <class W>
    Shrink(double ratio, W&& child) : SingleChild(boxed(std::forward<W>(child))), ratio(ratio) {}

    void layout_children() override;
    void calc_constraints() override;

    double ratio;
};

// Reports the constraints it was made with, whatever its child asks.
class ConstraintOverride final : public SingleChild {
public:
    template <class W>
    ConstraintOverride(Constraints constraints, W&& child) : SingleChild(boxed(std::forward<W>(child))) {
        core_.constraints = constraints;
    }

    void layout_children() override;
};

using WidgetList = std::vector<WidgetBox>;

// The parts of a widget with a list of children.
class ListLayout : public Widget {
public:
    const WidgetCore& core() const override { return core_; }
    WidgetCore& core_mut() override { return core_; }
    void walk_children_mut(const std::function<void(Widget&)>& visit) override;

    WidgetList children;

protected:
    explicit ListLayout(WidgetList children) : children(std::move(children)) {}

    WidgetCore core_ = WidgetCore::void_core();
};

// Children top to bottom, the first at the top edge; spare space without
// flex stays empty at the bottom.
class Column final : public ListLayout {
public:
    explicit Column(WidgetList children) : ListLayout(std::move(children)) {}
    void calc_constraints() override;
    void layout_children() override;
};

// Children left to right, the first at the left edge; spare space without
// flex stays empty at the right.
class Row final : public ListLayout {
public:
    explicit Row(WidgetList children) : ListLayout(std::move(children)) {}
    void calc_constraints() override;
    void layout_children() override;
};

// Children overlaid in one box, later ones drawn over earlier ones. An empty
// stack is a broken invariant.
class Stack final : public ListLayout {
public:
    explicit Stack(WidgetList children) : ListLayout(std::move(children)) {}
    void calc_constraints() override;
    void layout_children() override;
};

// The builders take any widgets, owned.
template <class... W>
WidgetList widget_list(W&&... widgets) {
    WidgetList list;
    (list.push_back(boxed(std::forward<W>(widgets))), ...);
    return list;
}
template <class... W>
Column column(W&&... widgets) {
    return Column(widget_list(std::forward<W>(widgets)...));
}
template <class... W>
Row row(W&&... widgets) {
    return Row(widget_list(std::forward<W>(widgets)...));
}
template <class... W>
Stack stack(W&&... widgets) {
    return Stack(widget_list(std::forward<W>(widgets)...));
}

}  // namespace vindle::ui
