#include "vindle/ui/layout.hpp"

#include <cmath>

#include <kimbly/panic.hpp>

namespace vindle::ui {

namespace {

using Vec = kimbly::Vec2<double>;
using Axis = double Vec::*;

void check_comparable(double a, double b) {
    if (std::isnan(a) || std::isnan(b)) kimbly::panic("NaN in a UI layout comparison");
}
double checked_min(double a, double b) {
    check_comparable(a, b);
    return a < b ? a : b;
}
double checked_max(double a, double b) {
    check_comparable(a, b);
    return a < b ? b : a;
}
bool checked_less(double a, double b) {
    check_comparable(a, b);
    return a < b;
}

// Column and Row: sums along the stacked axis, largest values across it.
Constraints stacked_constraints(const WidgetList& children, Axis along, Axis across) {
    Constraints c;
    for (const auto& child : children) {
        const Constraints& k = child->core().constraints;
        c.min_size.*along += k.min_size.*along;
        c.flex.*along += k.flex.*along;
        c.min_size.*across = checked_max(c.min_size.*across, k.min_size.*across);
        c.flex.*across = checked_max(c.flex.*across, k.flex.*across);
    }
    return c;
}

// Each child's extent along the stacked axis: its minimum plus its share of
// `space` beyond the sum of the minimums, by flex.
std::vector<double> stacked_extents(const WidgetList& children, Axis along, double space) {
    double flex = 0, minimum = 0;
    for (const auto& child : children) {
        flex += child->core().constraints.flex.*along;
        minimum += child->core().constraints.min_size.*along;
    }
    double unit = flex != 0 ? (space - minimum) / flex : 0;
    std::vector<double> extents;
    for (const auto& child : children) {
        const Constraints& k = child->core().constraints;
        extents.push_back(k.min_size.*along + k.flex.*along * unit);
    }
    return extents;
}

}  // namespace

void Align::calc_constraints() {
    core_.constraints = child_constraints();
    if (flex_x) core_.constraints.flex.x = *flex_x;
    if (flex_y) core_.constraints.flex.y = *flex_y;
}

void Align::layout_children() {
    const auto& box = core_.position;
    const Constraints& k = child_constraints();
    double w = box.width(), h = box.height();
    double cw = k.flex.x != 0 ? w : checked_min(w, k.min_size.x);
    double ch = k.flex.y != 0 ? h : checked_min(h, k.min_size.y);
    if (keep_aspect && k.min_size != Vec{0, 0}) {
        double a = k.min_size.x / k.min_size.y;
        if (checked_less(cw, ch * a)) ch = cw / a;
        if (checked_less(ch, cw / a)) cw = a * ch;
    }
    double x = box.x_min + (w - cw) * align.x;
    double y = box.y_min + (h - ch) * align.y;
    place_child({x, x + cw, y, y + ch});
}

void Padding::calc_constraints() {
    core_.constraints = child_constraints();
    core_.constraints.min_size.x += left + right;
    core_.constraints.min_size.y += top + bottom;
}

void Padding::layout_children() {
    const auto& box = core_.position;
    place_child({box.x_min + left, box.x_max - right, box.y_min + bottom, box.y_max - top});
}

void Shrink::calc_constraints() { core_.constraints = child_constraints(); }

void Shrink::layout_children() {
    const auto& box = core_.position;
    double dx = ratio * 0.5 * box.width(), dy = ratio * 0.5 * box.height();
    place_child({box.x_min + dx, box.x_max - dx, box.y_min + dy, box.y_max - dy});
}

void ConstraintOverride::layout_children() { place_child(core_.position); }

void ListLayout::walk_children_mut(const std::function<void(Widget&)>& visit) {
    for (auto& child : children) visit(*child);
}

void Column::calc_constraints() { core_.constraints = stacked_constraints(children, &Vec::y, &Vec::x); }

void Column::layout_children() {
    const auto& box = core_.position;
    auto heights = stacked_extents(children, &Vec::y, box.height());
    double y = box.y_max;
    for (std::size_t i = 0; i < children.size(); ++i) {
        y -= heights[i];
        children[i]->core_mut().position = {box.x_min, box.x_min + box.width(), y, y + heights[i]};
    }
}

void Row::calc_constraints() { core_.constraints = stacked_constraints(children, &Vec::x, &Vec::y); }

void Row::layout_children() {
    const auto& box = core_.position;
    auto widths = stacked_extents(children, &Vec::x, box.width());
    double x = box.x_min;
    for (std::size_t i = 0; i < children.size(); ++i) {
        children[i]->core_mut().position = {x, x + widths[i], box.y_min, box.y_min + box.height()};
        x += widths[i];
    }
}

void Stack::calc_constraints() {
    if (children.empty()) kimbly::panic("a UI stack needs at least one child");
    Constraints c = children.front()->core().constraints;
    for (const auto& child : children) {
        const Constraints& k = child->core().constraints;
        c.min_size = {checked_max(c.min_size.x, k.min_size.x), checked_max(c.min_size.y, k.min_size.y)};
        c.flex = {checked_max(c.flex.x, k.flex.x), checked_max(c.flex.y, k.flex.y)};
    }
    core_.constraints = c;
}

void Stack::layout_children() {
    for (auto& child : children) child->core_mut().position = core_.position;
}

}  // namespace vindle::ui
