#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "vindle/ui/controller.hpp"

namespace {

using namespace vindle;
using ui::MouseButton;

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

// A root widget in the controller's first box, (0, 1, 0, 1), that writes
// down what it receives.
struct Recorder final : ui::Widget {
    const ui::WidgetCore& core() const override { return core_; }
    ui::WidgetCore& core_mut() override { return core_; }
    void handle_event(const ui::Event& event) override {
        std::visit(
            [this](const auto& e) {
                using E = std::decay_t<decltype(e)>;
                if constexpr (std::is_same_v<E, ui::MouseMove>) received.push_back("move");
                if constexpr (std::is_same_v<E, ui::MouseDown>) received.push_back("down " + name(e.button));
                if constexpr (std::is_same_v<E, ui::MouseUp>) received.push_back("up " + name(e.button));
                if constexpr (std::is_same_v<E, ui::Click>) received.push_back("click " + name(e.button));
            },
            event);
    }
    static std::string name(MouseButton b) {
        return b == MouseButton::Left ? "Left" : b == MouseButton::Right ? "Right" : "Middle";
    }

    ui::WidgetCore core_ = ui::WidgetCore::new_core();
    std::vector<std::string> received;
};

events::Event down(double x, double y, MouseButton b = MouseButton::Left) { return events::MouseDown{{x, y}, b}; }
events::Event up(double x, double y, MouseButton b = MouseButton::Left) { return events::MouseUp{{x, y}, b}; }
events::Event move(double x, double y) { return events::MouseMove{{x, y}}; }
events::Event touch_start(std::vector<events::Position> touches) { return events::TouchStart{std::move(touches)}; }

TEST(UiController, EventPass) {
    struct Case {
        const char* name;
        std::vector<events::Event> events;
        std::vector<std::string> received;
        bool hovered;
        bool captured;
    };
    const Case cases[] = {
        {"press and release inside", {down(0.5, 0.5), up(0.5, 0.5)}, {"down Left", "up Left", "click Left"}, false,
         false},
        {"any button clicks", {down(0.5, 0.5, MouseButton::Right), up(0.2, 0.2, MouseButton::Right)},
         {"down Right", "up Right", "click Right"}, false, false},
        {"press inside, move out, release outside",
         {down(0.5, 0.5), move(0.7, 0.5), move(3, 0.5), up(3, 0.5)},
         {"down Left", "move", "move", "up Left"}, false, false},
        {"a captured widget keeps receiving presses", {down(0.5, 0.5), down(5, 5, MouseButton::Right)},
         {"down Left", "down Right"}, false, true},
        {"press outside, release inside", {down(2, 0.5), up(0.5, 0.5)}, {"up Left"}, false, false},
        {"right edge is outside", {move(1, 0.5), down(1, 0.5)}, {"move"}, false, false},
        {"top edge is outside", {move(0.5, 1), down(0.5, 1)}, {"move"}, false, false},
        {"left and bottom edges are inside", {move(0, 0), down(0, 0)}, {"move", "down Left"}, true, true},
        {"NaN is never inside", {move(NaN, 0.5), down(0.5, NaN), up(NaN, NaN)}, {"move"}, false, false},
        {"release at NaN ends the capture without a click", {down(0.5, 0.5), up(NaN, 0.5)}, {"down Left", "up Left"},
         false, false},
        {"move inside hovers", {move(0.5, 0.5)}, {"move"}, true, false},
        {"wheel and keys reach nothing",
         {events::Wheel{3}, events::KeyDown{events::Key::A}, events::KeyUp{events::Key::A}}, {}, false, false},
        {"single-touch tap", {touch_start({{0.5, 0.5}}), events::TouchEnd{}}, {"down Left", "up Left", "click Left"},
         false, false},
        {"touch dragged out ends without a click",
         {touch_start({{0.5, 0.5}}), events::TouchMove{{{4, 4}}}, events::TouchEnd{}},
         {"down Left", "move", "up Left"}, false, false},
        {"touch ending over an uncaptured widget reaches nothing",
         {touch_start({{4, 4}}), events::TouchMove{{{0.5, 0.5}}}, events::TouchEnd{}}, {"move"}, true, false},
        {"two-finger touch delivers nothing",
         {touch_start({{0.5, 0.5}, {0.6, 0.6}}), events::TouchMove{{{0.5, 0.5}, {0.6, 0.6}}}, events::TouchEnd{}},
         {}, false, false},
        {"touch end with no touch before", {events::TouchEnd{}}, {}, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ui::Controller controller;
        Recorder root;
        for (const auto& event : c.events) EXPECT_FALSE(controller.handle_event(root, event));
        EXPECT_EQ(root.received, c.received);
        EXPECT_EQ(root.core().hovered(), c.hovered);
        EXPECT_EQ(root.core().captured(), c.captured);
    }
}

TEST(UiController, TouchEndReleasesAtTheLastTouchWhichIsKept) {
    ui::Controller controller;
    Recorder root;
    controller.handle_event(root, touch_start({{0.25, 0.5}}));
    controller.handle_event(root, events::TouchMove{{{0.75, 0.5}}});
    controller.handle_event(root, events::TouchEnd{});
    EXPECT_EQ(controller.last_touch(), (events::Position{0.75, 0.5}));
    // A later end releases again at the kept position; nothing is captured.
    controller.handle_event(root, events::TouchEnd{});
    EXPECT_EQ(root.received, (std::vector<std::string>{"down Left", "move", "up Left", "click Left"}));
}

TEST(UiController, FirstLayoutBeforeAnyDrawIsTheUnitBox) {
    ui::Controller controller;
    Recorder root;
    root.core_mut().position = {5, 6, 7, 8};
    controller.update(root, 0.1);
    EXPECT_EQ(root.core().position, (kimbly::AabbF64{0, 1, 0, 1}));
    EXPECT_EQ(controller.size(), (kimbly::Vec2<double>{1, 1}));
}

TEST(UiWidgetCore, NumberedIdentitiesComeInTurnAndVoidOnesTakeNone) {
    auto first = ui::WidgetCore::new_core();
    auto void_core = ui::WidgetCore::void_core();
    (void)ui::WidgetCore::void_core();
    auto second = ui::WidgetCore::new_core();
    ASSERT_TRUE(first.id.number().has_value());
    EXPECT_EQ(second.id.number(), *first.id.number() + 1);
    EXPECT_FALSE(void_core.id.number().has_value());
    EXPECT_EQ(first.position, (kimbly::AabbF64{0, 1, 0, 1}));
    EXPECT_FALSE(first.hovered() || first.captured());
}

// Constraints are computed children first, boxes placed parents first.
TEST(UiTraverse, EntersParentsFirstAndLeavesChildrenFirst) {
    struct Node final : ui::Widget {
        explicit Node(std::string name, std::vector<Node*> children = {}) : name(std::move(name)), kids(children) {}
        const ui::WidgetCore& core() const override { return core_; }
        ui::WidgetCore& core_mut() override { return core_; }
        void walk_children_mut(const std::function<void(ui::Widget&)>& visit) override {
            for (Node* kid : kids) visit(*kid);
        }
        ui::WidgetCore core_ = ui::WidgetCore::void_core();
        std::string name;
        std::vector<Node*> kids;
    };
    Node a("a"), b("b"), c("c", {&a, &b}), d("d"), root("root", {&c, &d});
    std::string entered, left;
    ui::traverse_mut(
        root, [&](ui::Widget& w) { entered += static_cast<Node&>(w).name + " "; },
        [&](ui::Widget& w) { left += static_cast<Node&>(w).name + " "; });
    EXPECT_EQ(entered, "root c a b d ");
    EXPECT_EQ(left, "a b c d root ");
}

}  // namespace
