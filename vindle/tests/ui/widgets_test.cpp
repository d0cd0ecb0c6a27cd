#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include <ovra/raw/recording_context.hpp>

#include "vindle/ui/button.hpp"
#include "vindle/ui/controller.hpp"
#include "vindle/ui/event_handler.hpp"
#include "vindle/ui/slider.hpp"

namespace {

using namespace vindle;
using ui::MouseButton;

// The theme over the recording fake GL, with a window framebuffer whose
// size the controller's draw takes as the root's box.
struct FakeEngine {
    FakeEngine() {
        auto raw = std::make_unique<ovra_raw::RecordingContext>();
        gl = raw.get();
        ovra = ovra::Ovra::create_with(std::move(raw));
        library = std::make_unique<shader_lib::ShaderLib>(ovra);
        auto bytes = font::default_font_bytes();
        theme = std::make_shared<ui::Theme>(ui::Theme{
            std::make_shared<draw_2d::Draw2D>(*library, ovra),
            std::make_shared<font::Font>(font::Font::new_with(ovra, *library, {bytes.begin(), bytes.end()})),
        });
    }

    // Draws `root` into a window framebuffer of `size`; the number of draw
    // calls made.
    std::size_t draw(ui::Controller& controller, ui::Widget& root, kimbly::Vec2Usize size) {
        ovra->_set_size(size);
        ovra::Framebuffer framebuffer(ovra);
        gl->calls.clear();
        controller.draw(root, framebuffer);
        return gl->calls_named("draw_arrays").size();
    }

    ovra_raw::RecordingContext* gl;
    ovra::OvraHandle ovra;
    std::unique_ptr<shader_lib::ShaderLib> library;
    std::shared_ptr<ui::Theme> theme;
};

events::Event down(double x, MouseButton b = MouseButton::Left) { return events::MouseDown{{x, 5}, b}; }
events::Event up(double x, MouseButton b = MouseButton::Left) { return events::MouseUp{{x, 5}, b}; }
events::Event move(double x) { return events::MouseMove{{x, 5}}; }

TEST(UiSlider, PressesAndDragsSetTheValueUnderThePointerOnlyWhileCaptured) {
    struct Case {
        const char* name;
        double start, end;
        std::vector<events::Event> events;
        std::vector<double> values;
    };
    const Case cases[] = {
        {"a press moves the value, a drag follows past the end", 0, 10, {down(5), move(55), move(200)}, {0, 5, 10}},
        {"moves before a press and after the release call nothing", 0, 10, {move(55), down(55), up(55), move(80)},
         {5}},
        {"a reversed range, dragged beyond its start", 10, 0, {down(105), move(-50)}, {0, 10}},
        {"an empty range has no values", 3, 3, {down(5), move(55)}, {}},
    };
    FakeEngine engine;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ui::Slider slider(engine.theme);
        ui::Controller controller;
        std::vector<double> values;
        auto tree = [&] { return slider.ui(0, c.start, c.end, [&](double v) { values.push_back(v); }); };
        auto root = tree();
        engine.draw(controller, root, {110, 10});
        for (const auto& event : c.events) {
            auto fresh = tree();
            controller.handle_event(fresh, event);
        }
        EXPECT_EQ(values, c.values);
    }
}

TEST(UiSlider, KnobEasesTowardsHalfTheHeightWhileHoveredAndBack) {
    FakeEngine engine;
    ui::Slider slider(engine.theme);
    ui::Controller controller;
    auto ui = [&] { return slider.ui(5, 0, 10, [](double) {}); };
    auto first = ui();
    engine.draw(controller, first, {110, 12});
    auto step = [&](double dt) {
        auto root = ui();
        controller.update(root, dt);
        return slider.knob_radius();
    };
    // Idle: a sixth of the height, reached at once from 0 with a long step.
    EXPECT_FLOAT_EQ(step(1), 2);
    auto hovered = ui();
    controller.handle_event(hovered, move(50));
    // At most five heights a second: 0.6 per 0.01 s, stopping at the half.
    EXPECT_FLOAT_EQ(step(0.01), 2.6f);
    EXPECT_FLOAT_EQ(step(0.01), 3.2f);
    EXPECT_FLOAT_EQ(step(1), 6);
    EXPECT_FLOAT_EQ(step(1), 6);
    auto left = ui();
    controller.handle_event(left, move(500));
    EXPECT_FLOAT_EQ(step(0.01), 5.4f);
}

TEST(UiSlider, EmptyRangeDrawsNothing) {
    FakeEngine engine;
    ui::Slider slider(engine.theme);
    ui::Controller controller;
    auto usual = slider.ui(5, 0, 10, [](double) {});
    EXPECT_EQ(engine.draw(controller, usual, {110, 10}), 5u);
    auto empty = slider.ui(5, 5, 5, [](double) {});
    EXPECT_EQ(engine.draw(controller, empty, {110, 10}), 0u);
}

TEST(UiSlider, ShapesFollowTheValue) {
    // Box 110 × 12 from x 10: track 4 high, caps of radius 2, knob of 3.
    auto at_start = ui::slider_shapes({10, 120, 0, 12}, 0, 0, 10, 3);
    auto at_end = ui::slider_shapes({10, 120, 0, 12}, 10, 0, 10, 3);
    ASSERT_TRUE(at_start && at_end);
    EXPECT_EQ(at_start->knob, (kimbly::Vec2F32{13, 6}));
    EXPECT_EQ(at_end->knob, (kimbly::Vec2F32{117, 6}));
    EXPECT_EQ(at_start->filled, (kimbly::AabbF32{12, 13, 4, 8}));
    EXPECT_EQ(at_end->rest, (kimbly::AabbF32{117, 118, 4, 8}));
    EXPECT_EQ(at_start->left_cap, (kimbly::Vec2F32{12, 6}));
    EXPECT_EQ(at_start->right_cap, (kimbly::Vec2F32{118, 6}));
    EXPECT_FLOAT_EQ(at_start->cap_radius, 2);
}

struct UiButton : ::testing::Test {
    ui::Controller controller;
    ui::Button button;
    // A button alone fills the controller's first box, (0, 1, 0, 1).
    void send(const events::Event& event) {
        auto root = ui::ref(button);
        controller.handle_event(root, event);
    }
};

TEST_F(UiButton, ClickedIsLatchedUntilRead) {
    send(events::MouseDown{{0.5, 0.5}, MouseButton::Left});
    EXPECT_FALSE(button.clicked());
    send(events::MouseUp{{0.5, 0.5}, MouseButton::Left});
    EXPECT_TRUE(button.clicked());
    EXPECT_FALSE(button.clicked());
}

TEST_F(UiButton, OnClickRunsForAClickOfAnyButtonOnly) {
    int actions = 0;
    auto send_handled = [&](const events::Event& event) {
        auto root = ui::on_click(ui::ref(button), [&] { ++actions; });
        controller.handle_event(root, event);
    };
    send_handled(events::MouseDown{{0.5, 0.5}, MouseButton::Middle});
    EXPECT_EQ(actions, 0);
    send_handled(events::MouseUp{{0.5, 0.5}, MouseButton::Middle});
    EXPECT_EQ(actions, 1);
    // The handler shares the button's core, and the button sees the click.
    EXPECT_TRUE(button.clicked());
    send_handled(events::MouseDown{{0.5, 0.5}, MouseButton::Right});
    send_handled(events::MouseUp{{0.5, 0.5}, MouseButton::Right});
    EXPECT_EQ(actions, 2);
}

TEST_F(UiButton, PressShrinksTheContentUntilTheRelease) {
    FakeEngine engine;
    const ovra::Texture2d picture = ovra::Texture2d::new_uninitialized(engine.ovra, {4, 4});
    auto content_box = [&] {
        auto tree = ui::Button::texture(ui::on_click(ui::ref(button), [] {}), picture, *engine.theme);
        ui::lay_out(tree, {0, 100, 0, 100});
        kimbly::AabbF64 box;
        tree.children.at(1)->walk_children_mut([&](ui::Widget& content) { box = content.core().position; });
        return box;
    };
    EXPECT_EQ(content_box(), (kimbly::AabbF64{0, 100, 0, 100}));
    send(events::MouseDown{{0.5, 0.5}, MouseButton::Left});
    EXPECT_EQ(content_box(), (kimbly::AabbF64{12.5, 87.5, 12.5, 87.5}));
    send(events::MouseUp{{0.5, 0.5}, MouseButton::Left});
    EXPECT_EQ(content_box(), (kimbly::AabbF64{0, 100, 0, 100}));
}

TEST(UiText, FittedSize) {
    FakeEngine engine;
    const float mw = engine.theme->font->measure("Fitted", 32).width();
    ASSERT_GT(mw, 0);
    struct Case {
        const char* name;
        float box_width, box_height, measured;
        std::optional<float> size;
    };
    const Case cases[] = {
        {"half as wide as measured, higher than needed", mw / 2, 40, mw, 16},
        {"half as wide as measured, 16 high", mw / 2, 16, mw, 16},
        {"wider than needed, 20 high", mw * 2, 20, mw, 20},
        {"nothing measured in a box with width", 50, 20, 0, 20},
        {"nothing measured in a box of no width", 0, 20, 0, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto size = ui::fitted_text_size(c.box_width, c.box_height, 32, c.measured);
        ASSERT_EQ(size.has_value(), c.size.has_value());
        if (size) {
            EXPECT_FLOAT_EQ(*size, *c.size);
        }
    }
}

TEST(UiText, AsksForItsMeasuredWidthByItsSize) {
    FakeEngine engine;
    const auto& font = engine.theme->font;
    ui::Controller controller;
    ui::Text label("Label", font, 32, {1, 1, 1, 1});
    EXPECT_EQ(engine.draw(controller, label, {200, 50}), 1u);
    EXPECT_EQ(label.core().constraints,
              (ui::Constraints{{double(font->measure("Label", 32).width()), 32}, {0, 0}}));
    // An empty text draws nothing and still asks for its height.
    ui::Text empty("", font, 32, {1, 1, 1, 1});
    EXPECT_EQ(engine.draw(controller, empty, {200, 50}), 0u);
    EXPECT_EQ(empty.core().constraints, (ui::Constraints{{0, 32}, {0, 0}}));
}

}  // namespace
