#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "tarnwick/app/game_screen/keys.hpp"
#include "tarnwick/app/game_screen/playback.hpp"

namespace {

using namespace tarnwick::app::game_screen;
using kimbly::events::Key;

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

TEST(Playback, TheBudgetKeepsTheHistoryOneTickAheadAndTheTimelineEndsAtOneUntilThreeStates) {
    struct Case {
        std::size_t stored;
        double time;
        std::int32_t budget;
        double timeline_max;
    };
    const Case cases[] = {
        {1, 0.0, 0, 1}, {1, 0.01, 1, 1}, {1, 1.0, 1, 1},  {1, 2.5, 3, 1},
        {2, 0.5, 0, 1}, {2, 1.2, 1, 1},  {2, 2.0, 1, 1},
        {3, 1.5, 0, 2}, {3, 2.5, 1, 2},  {3, 3.0, 1, 2},
        {4, 2.9, 0, 3}, {4, 3.1, 1, 3},  {4, 4.0, 1, 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("L=" + std::to_string(c.stored) + " time=" + std::to_string(c.time));
        EXPECT_EQ(playback::tick_budget(c.time, c.stored), c.budget);
        EXPECT_EQ(playback::timeline_max(c.stored), c.timeline_max);
    }
}

TEST(Playback, TimesOutsideTheStoredRangeAreClampedAndNeverCastUndefined) {
    EXPECT_EQ(playback::clamp_time(7.5, 4), 4.0);
    EXPECT_EQ(playback::clamp_time(NaN, 4), 4.0);
    EXPECT_EQ(playback::clamp_time(2.5, 4), 2.5);
    EXPECT_EQ(playback::tick_budget(-3.0, 1), 0);
    EXPECT_EQ(playback::tick_budget(1e300, 1), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(playback::timeline_time(NaN, 3), 3.0);
    EXPECT_EQ(playback::timeline_time(5.0, 3), 3.0);
    EXPECT_EQ(playback::timeline_time(1.5, 3), 1.5);
}

TEST(Playback, SteppingBackFromThreePointFourEndsAtZero) {
    double time = 3.4;
    for (double expected : {2.4, 1.4, 0.4, 0.0}) {
        time = playback::step_back(time);
        EXPECT_DOUBLE_EQ(time, expected);
    }
    EXPECT_EQ(playback::step_back(time), 0.0);
}

TEST(Playback, TheSpeedModifierDoublesPerStep) {
    EXPECT_EQ(playback::view_speed(0, 2), 2.0);
    EXPECT_EQ(playback::view_speed(-2, 2), 0.5);
    EXPECT_EQ(playback::view_speed(2, 2), 8.0);
}

TEST(GameScreenKeys, OnlyLeftCtrlSavesAndStepsWorkOnlyWhilePaused) {
    struct Case {
        Key key;
        bool left_ctrl;
        bool paused;
        KeyAction action;
    };
    const Case cases[] = {
        {Key::E, true, false, KeyAction::SaveGameState},  {Key::E, false, false, KeyAction::ToRenderer},
        {Key::S, true, false, KeyAction::SaveGameLog},    {Key::S, false, true, KeyAction::ToRenderer},
        {Key::F, false, false, KeyAction::ToggleFullscreen}, {Key::P, false, false, KeyAction::TogglePause},
        {Key::Space, true, true, KeyAction::TogglePause}, {Key::Escape, false, false, KeyAction::Leave},
        {Key::Left, false, true, KeyAction::StepBack},    {Key::Left, false, false, KeyAction::ToRenderer},
        {Key::Right, false, true, KeyAction::StepForward}, {Key::Right, false, false, KeyAction::ToRenderer},
        {Key::V, true, true, KeyAction::ToRenderer},      {Key::RCtrl, false, false, KeyAction::ToRenderer},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(kimbly::events::key_name(c.key)) + (c.left_ctrl ? " +LCtrl" : "") +
                     (c.paused ? " paused" : ""));
        EXPECT_EQ(route_key(c.key, c.left_ctrl, c.paused), c.action);
    }
}

}  // namespace
