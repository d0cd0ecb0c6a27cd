#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "tarnwick/app/game_screen/ui_texts.hpp"

namespace {

using namespace tarnwick::app::game_screen::ui;

constexpr double BASE = 2;
constexpr double INF = std::numeric_limits<double>::infinity();

TEST(GameScreenUiTexts, SpeedTextAtBaseSpeedTwo) {
    struct Case {
        double modifier;
        std::string text;
    };
    const Case cases[] = {
        {-2, "25% (0.5 TPS)"},
        {-1.1, "46% (0.9 TPS)"},
        {-1, "50% (1 TPS)"},
        {0, "100% (2 TPS)"},
        {0.5, "141% (3 TPS)"},
        {2, "400% (8 TPS)"},
        // The preferences file may hold any modifier: the numbers saturate.
        {-INF, "0% (0.0 TPS)"},
        {-1e300, "0% (0.0 TPS)"},
        {INF, "2147483647% (9223372036854775807 TPS)"},
        {1e300, "2147483647% (9223372036854775807 TPS)"},
        {1000, "2147483647% (9223372036854775807 TPS)"},
        {40, "2147483647% (2199023255552 TPS)"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(speed_text(c.modifier, BASE), c.text) << c.modifier;
    }
}

TEST(GameScreenUiTexts, ViewSpeedIsTwoToTheModifierTimesTheBase) {
    EXPECT_EQ(view_speed(0, BASE), 2);
    EXPECT_EQ(view_speed(-2, BASE), 0.5);
    EXPECT_EQ(view_speed(2, BASE), 8);
}

TEST(GameScreenUiTexts, TickAndTimeLabelsAtBaseSpeedTwo) {
    struct Case {
        double time;
        std::string tick;
        std::string clock;
    };
    const Case cases[] = {
        {1.5, "1", "0:00"},
        {119.9, "119", "0:59"},
        {130, "130", "1:05"},
        {7200, "7200", "60:00"},
        {-3, "0", "0:00"},
        {std::nan(""), "0", "0:00"},
        {1e30, "18446744073709551615", "307445734561825860:15"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(tick_label(c.time), c.tick) << c.time;
        EXPECT_EQ(time_label(c.time, BASE), c.clock) << c.time;
    }
}

}  // namespace
