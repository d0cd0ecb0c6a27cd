#include <gtest/gtest.h>

#include <GLFW/glfw3.h>

#include <test_support/log_capture.hpp>
#include <test_support/panic_message.hpp>
#include <vindle/testing/engine_fixture.hpp>

namespace {

using namespace vindle;
namespace vt = vindle::testing;
using window::RawEvent;
namespace raw = window::raw;
using events::Key;

struct Dispatched {
    vt::ScriptedWindow window;
    std::vector<events::Event> events;

    Dispatched() {
        window.set_event_handler([this](events::Event event) { events.push_back(std::move(event)); });
    }
    // Converts and dispatches one batch.
    std::vector<events::Event>& swap(std::vector<RawEvent> batch) {
        events.clear();
        for (RawEvent& event : batch) window.inject(std::move(event));
        window.swap_buffers();
        return events;
    }
};

TEST(WindowConversion, EachRawEventGivesItsEngineEventOrNone) {
    struct Case {
        const char* name;
        RawEvent input;
        std::optional<events::Event> expected;
    };
    const Case cases[] = {
        {"top row at height 600", raw::CursorMoved{{10, 0}}, events::MouseMove{{10, 599}}},
        {"bottom row at height 600", raw::CursorMoved{{10, 599}}, events::MouseMove{{10, 0}}},
        {"one wheel line up", raw::WheelLines{{4, 1}}, events::Wheel{51.0}},
        {"a pixel scroll", raw::WheelPixels{{3, -12.5}}, events::Wheel{-12.5}},
        {"left press", raw::MouseInput{GLFW_MOUSE_BUTTON_LEFT, true}, events::MouseDown{{0, 0}, events::MouseButton::Left}},
        {"middle release", raw::MouseInput{GLFW_MOUSE_BUTTON_MIDDLE, false},
         events::MouseUp{{0, 0}, events::MouseButton::Middle}},
        {"right press", raw::MouseInput{GLFW_MOUSE_BUTTON_RIGHT, true},
         events::MouseDown{{0, 0}, events::MouseButton::Right}},
        {"a fourth button", raw::MouseInput{GLFW_MOUSE_BUTTON_4, true}, std::nullopt},
        {"digit", raw::KeyInput{GLFW_KEY_7, "7", true}, events::KeyDown{Key::Num7}},
        {"letter", raw::KeyInput{GLFW_KEY_Q, "q", false}, events::KeyUp{Key::Q}},
        {"function key", raw::KeyInput{GLFW_KEY_F3, "F3", true}, events::KeyDown{Key::F3}},
        {"right control", raw::KeyInput{GLFW_KEY_RIGHT_CONTROL, "", true}, events::KeyDown{Key::RCtrl}},
        {"page down", raw::KeyInput{GLFW_KEY_PAGE_DOWN, "", true}, events::KeyDown{Key::PageDown}},
        {"keypad enter", raw::KeyInput{GLFW_KEY_KP_ENTER, "", true}, events::KeyDown{Key::Unknown}},
        {"F13", raw::KeyInput{GLFW_KEY_F13, "", true}, events::KeyDown{Key::Unknown}},
        {"a key without a code", raw::KeyInput{GLFW_KEY_UNKNOWN, "", true}, std::nullopt},
        {"resize", raw::Resized{{640, 480}}, std::nullopt},
    };
    for (const Case& c : cases) {
        Dispatched d;
        auto& got = d.swap({c.input});
        if (c.expected) {
            ASSERT_EQ(got.size(), 1u) << c.name;
            EXPECT_EQ(got[0].index(), c.expected->index()) << c.name;
            EXPECT_EQ(vt::describe(got[0]), vt::describe(*c.expected)) << c.name;
        } else {
            EXPECT_TRUE(got.empty()) << c.name;
        }
    }
}

TEST(WindowConversion, KeyNamesAreTheEnginesOwn) {
    EXPECT_EQ(window::key_name(Key::Num0), "Num0");
    EXPECT_EQ(window::key_name(Key::PageDown), "PageDown");
    EXPECT_EQ(window::key_name(Key::F3), "F3");
    EXPECT_EQ(window::key_name(Key::Unknown), "Unknown");
}

TEST(WindowDispatch, AButtonInTheBatchOfAMoveCarriesTheCursorFromBeforeIt) {
    Dispatched d;
    d.swap({raw::CursorMoved{{5, 99}}});
    auto& got = d.swap({raw::CursorMoved{{20, 0}}, raw::MouseInput{GLFW_MOUSE_BUTTON_LEFT, true}});
    ASSERT_EQ(got.size(), 2u);
    EXPECT_EQ(std::get<events::MouseDown>(got[1]).position, (events::Position{5, 500}));
    EXPECT_EQ(d.window.mouse_pos(), (events::Position{20, 599}));
    EXPECT_TRUE(d.window.pressed_buttons().contains(events::MouseButton::Left));
}

TEST(WindowDispatch, WithoutAHandlerEventsStillUpdateTheSetsAndTheCursor) {
    vt::ScriptedWindow window;
    window.inject(raw::KeyInput{GLFW_KEY_A, "a", true});
    window.inject(raw::MouseInput{GLFW_MOUSE_BUTTON_RIGHT, true});
    window.inject(raw::CursorMoved{{1, 2}});
    window.inject(raw::CloseRequested{});
    EXPECT_FALSE(window.should_close());
    window.swap_buffers();
    EXPECT_TRUE(window.is_key_pressed(Key::A));
    EXPECT_TRUE(window.pressed_buttons().contains(events::MouseButton::Right));
    EXPECT_EQ(window.mouse_pos(), (events::Position{1, 597}));
    EXPECT_TRUE(window.should_close());
    EXPECT_EQ(window.presented, 1);
}

TEST(WindowDispatch, TheHandlerSeesTheSetsAlreadyUpdatedButCannotReplaceItself) {
    vt::ScriptedWindow window;
    bool pressed_inside = false;
    window.set_event_handler([&](events::Event) { pressed_inside = window.is_key_pressed(Key::B); });
    window.inject(raw::KeyInput{GLFW_KEY_B, "b", true});
    window.swap_buffers();
    EXPECT_TRUE(pressed_inside);

    window.set_event_handler([&](events::Event) { window.set_event_handler({}); });
    window.inject(raw::KeyInput{GLFW_KEY_B, "b", false});
    EXPECT_EQ(test_support::panic_message([&] { window.swap_buffers(); }), "already borrowed");
}

TEST(WindowDispatch, AnUnknownKeyIsDeliveredHeldAndWarnedOnPressAndRelease) {
    IN_CHILD_WITH_LOG(kimbly::logger::LevelFilter::Warn, [] {
        Dispatched d;
        auto& pressed = d.swap({raw::KeyInput{GLFW_KEY_TAB, "Tab", true}});
        ASSERT_EQ(pressed.size(), 1u);
        EXPECT_EQ(std::get<events::KeyDown>(pressed[0]).key, Key::Unknown);
        EXPECT_TRUE(d.window.is_key_pressed(Key::Unknown));
        d.swap({raw::KeyInput{GLFW_KEY_TAB, "Tab", false}});
        EXPECT_FALSE(d.window.is_key_pressed(Key::Unknown));
        EXPECT_EQ(test_support::LogCapture::records("vindle::window"),
                  (std::vector<std::string>{"WARN Unrecognized key: Tab", "WARN Unrecognized key: Tab"}));
    });
}

}  // namespace
