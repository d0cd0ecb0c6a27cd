#include "vindle/ui/slider.hpp"

#include <algorithm>
#include <cmath>

#include <pakko/overloaded.hpp>

namespace vindle::ui {

std::optional<double> slider_value_at(const kimbly::AabbF64& box, double x, double start, double end) {
    if (start == end) return std::nullopt;
    double h = box.height(), w = box.width();
    double t = ((x - box.x_min) - h * 0.5) / (w - h);
    if (t > 1 || std::isnan(t)) t = 1;
    if (t < 0) t = 0;
    return start + (end - start) * t;
}

float knob_radius_step(float radius, float box_height, bool active, float dt) {
    float target = active ? box_height * 0.5f : box_height / 6;
    float step = dt * 5 * box_height;
    return radius + std::clamp(target - radius, -step, step);
}

std::optional<SliderShapes> slider_shapes(const kimbly::AabbF32& box, double value, double start, double end,
                                          float knob_radius) {
    double f = (value - start) / (end - start);
    // 0 / 0 from an empty range: the knob has no place on the track.
    if (std::isnan(f)) return std::nullopt;
    float x0 = box.x_min, x1 = box.x_max, y0 = box.y_min, y1 = box.y_max;
    float h = y1 - y0, lw = h / 3, r = lw * 0.5f, k = knob_radius;
    float left = x0 + r, right = x1 - r;
    float kx = ((x1 - x0) - 2 * k) * float(f) + k + x0;
    float bottom = y0 + (h - lw) * 0.5f;
    return SliderShapes{
        .filled = {std::min(left, kx), std::max(left, kx), bottom, y0 + (lw + h) * 0.5f},
        .rest = {std::min(kx, right), std::max(kx, right), bottom, y1 - (h - lw) * 0.5f},
        .left_cap = {left, y0 + h * 0.5f},
        .right_cap = {right, y1 - h * 0.5f},
        .cap_radius = r,
        .knob = {kx, y0 + h * 0.5f},
        .knob_radius = k,
    };
}

SliderUI Slider::ui(double value, double start, double end, std::function<void(double)> on_change) {
    return SliderUI(*this, value, start, end, std::move(on_change));
}

void SliderUI::update(double dt) {
    const WidgetCore& c = slider_->core_;
    slider_->knob_radius_ =
        knob_radius_step(slider_->knob_radius_, float(c.position.height()), c.hovered() || c.captured(), float(dt));
}

void SliderUI::draw(ovra::Framebuffer& framebuffer) {
    const auto& box = slider_->core_.position;
    auto shapes = slider_shapes({float(box.x_min), float(box.x_max), float(box.y_min), float(box.y_max)}, value_,
                                start_, end_, slider_->knob_radius_);
    if (!shapes) return;
    const Theme& theme = *slider_->theme_;
    const draw_2d::Draw2D& draw = *theme.draw_2d;
    draw.quad(framebuffer, shapes->filled, theme.hover_color);
    draw.quad(framebuffer, shapes->rest, theme.usual_color);
    draw.ellipse(framebuffer, shapes->left_cap, {shapes->cap_radius, shapes->cap_radius}, theme.hover_color);
    draw.ellipse(framebuffer, shapes->right_cap, {shapes->cap_radius, shapes->cap_radius}, theme.usual_color);
    draw.ellipse(framebuffer, shapes->knob, {shapes->knob_radius, shapes->knob_radius}, theme.hover_color);
}

void SliderUI::handle_event(const Event& event) {
    if (!slider_->core_.captured()) return;
    auto position = std::visit(pakko::Overloaded{
                                   [](const MouseMove& e) -> std::optional<Position> { return e.position; },
                                   [](const MouseDown& e) -> std::optional<Position> { return e.position; },
                                   [](const auto&) -> std::optional<Position> { return std::nullopt; },
                               },
                               event);
    if (!position) return;
    if (auto value = slider_value_at(slider_->core_.position, position->x, start_, end_)) on_change_(*value);
}

}  // namespace vindle::ui
