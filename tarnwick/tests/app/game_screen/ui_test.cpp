#include <gtest/gtest.h>

#include <memory>

#include <ovra/framebuffer.hpp>
#include <vindle/testing/fake_engine.hpp>
#include <vindle/ui/controller.hpp>

#include "tarnwick/app/game_screen/ui.hpp"

namespace {

using tarnwick::app::game_screen::ui::UI;
namespace events = vindle::events;

// The panel in an 800 × 600 window over the recording GL. Along its 48
// pixels of height: play/stop 0-48, the labels 48-96, the timeline slider
// 104-632, the view speed 648-744 (its top line 24-40 high) and fullscreen
// 752-800.
struct GameScreenUi : ::testing::Test {
    GameScreenUi() {
        ovra::Framebuffer window(engine.vindle->ovra());
        auto tree = ui.ui(BASE);
        controller.draw(*tree, window);
    }
    void send(const events::Event& event) {
        auto tree = ui.ui(BASE);
        controller.handle_event(*tree, event);
    }
    void click(kimbly::Vec2F64 at) {
        send(events::MouseDown{at, events::MouseButton::Left});
        send(events::MouseUp{at, events::MouseButton::Left});
    }

    static constexpr double BASE = 2;
    vindle::testing::FakeContext engine;
    std::shared_ptr<bool> paused = std::make_shared<bool>(false);
    std::shared_ptr<double> modifier = std::make_shared<double>(0);
    UI ui{engine.vindle, paused, modifier, std::make_shared<double>(0.5)};
    vindle::ui::Controller controller;
};

TEST_F(GameScreenUi, ButtonsTogglePauseAndFullscreen) {
    click({24, 24});
    EXPECT_TRUE(*paused);
    click({24, 24});
    EXPECT_FALSE(*paused);
    click({776, 24});
    EXPECT_TRUE(engine.window->fullscreen());
    EXPECT_FALSE(*paused);
}

// Away from the control its top line is the caption, which a press does not
// change; once the cursor is over the control, the top line is the slider.
TEST_F(GameScreenUi, SpeedCaptionBecomesTheSliderUnderTheCursor) {
    click({736, 32});
    EXPECT_EQ(*modifier, 0);
    send(events::MouseMove{{736, 32}});
    send(events::MouseDown{{736, 32}, events::MouseButton::Left});
    EXPECT_EQ(*modifier, 2);
    send(events::MouseMove{{696, 32}});
    EXPECT_EQ(*modifier, 0);
    send(events::MouseUp{{696, 32}, events::MouseButton::Left});
    ui.ui(BASE);
    EXPECT_EQ(ui.view_speed_control().text(), "100% (2 TPS)");
}

TEST_F(GameScreenUi, TimelineChangeOnlyWhileTheSliderIsHeld) {
    ui.set_time(5, 10, BASE);
    EXPECT_EQ(ui.timeline_change(), std::nullopt);
    send(events::MouseDown{{616, 24}, events::MouseButton::Left});
    EXPECT_EQ(ui.timeline_change(), 10);
    send(events::MouseMove{{368, 24}});
    EXPECT_EQ(ui.timeline_change(), 5);
    send(events::MouseUp{{368, 24}, events::MouseButton::Left});
    EXPECT_EQ(ui.timeline_change(), std::nullopt);
    ui.set_time(130, 200, BASE);
    ui.ui(BASE);
    EXPECT_EQ(ui.timeline().tick_label, "130");
    EXPECT_EQ(ui.timeline().time_label, "1:05");
}

}  // namespace
