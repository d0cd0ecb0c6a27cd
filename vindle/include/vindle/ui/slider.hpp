#pragma once
// A slider: long-lived state (identity, flags and the knob's animation) and,
// for each controller call, a SliderUI that shows a value and drags it. The
// slider keeps no value: the caller stores what `on_change` receives and
// passes it back to the next `ui`.
#include <functional>
#include <optional>

#include <kimbly/aabb.hpp>
#include <kimbly/vec2.hpp>

#include "vindle/ui/theme.hpp"
#include "vindle/ui/widget.hpp"

namespace vindle::ui {

// The value a press or drag at `x` asks for, from the slider's `box`: the
// knob's centre runs from half the box's height inside the left edge to as
// far inside the right one. None for an empty range, which has no values.
std::optional<double> slider_value_at(const kimbly::AabbF64& box, double x, double start, double end);

// One step of the knob's radius towards half the box's height while the
// slider is hovered or dragged (`active`), or a sixth of it otherwise, by at
// most five box heights a second.
float knob_radius_step(float radius, float box_height, bool active, float dt);

// What a slider draws: the track a third of the box high with round end
// caps, filled up to the knob.
struct SliderShapes {
    kimbly::AabbF32 filled;
    kimbly::AabbF32 rest;
    kimbly::Vec2F32 left_cap;
    kimbly::Vec2F32 right_cap;
    float cap_radius;
    kimbly::Vec2F32 knob;
    float knob_radius;
};
// None when the value has no place on the track (an empty range).
std::optional<SliderShapes> slider_shapes(const kimbly::AabbF32& box, double value, double start, double end,
                                          float knob_radius);

class SliderUI;

class Slider {
public:
    explicit Slider(ThemeHandle theme) : theme_(std::move(theme)) {}
    Slider(const Slider&) = delete;
    Slider& operator=(const Slider&) = delete;

    const WidgetCore& core() const { return core_; }
    float knob_radius() const { return knob_radius_; }

    // Borrows the slider for one controller call; `start` and `end` are both
    // inclusive.
    SliderUI ui(double value, double start, double end, std::function<void(double)> on_change);

private:
    friend class SliderUI;

    ThemeHandle theme_;
    WidgetCore core_ = WidgetCore::new_core();
    float knob_radius_ = 0;
};

class SliderUI final : public Widget {
public:
    const WidgetCore& core() const override { return slider_->core_; }
    WidgetCore& core_mut() override { return slider_->core_; }
    void update(double dt) override;
    void draw(ovra::Framebuffer& framebuffer) override;
    // Only while captured: a press or a move sets the value under the
    // pointer, so the press that starts a drag already moves it.
    void handle_event(const Event& event) override;

private:
    friend class Slider;
    SliderUI(Slider& slider, double value, double start, double end, std::function<void(double)> on_change)
        : slider_(&slider), value_(value), start_(start), end_(end), on_change_(std::move(on_change)) {}

    Slider* slider_;
    double value_;
    double start_;
    double end_;
    std::function<void(double)> on_change_;
};

}  // namespace vindle::ui
