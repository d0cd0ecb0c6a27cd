#include "tarnwick/app/game_screen/ui_texts.hpp"

#include <cmath>
#include <cstdint>

#include <fmt/format.h>
#include <kimbly/num.hpp>

namespace tarnwick::app::game_screen::ui {

using kimbly::num::saturating_cast;

double view_speed(double modifier, double base_speed) { return std::exp2(modifier) * base_speed; }

std::string speed_text(double modifier, double base_speed) {
    const auto percent = saturating_cast<std::int32_t>(std::exp2(modifier) * 100);
    const double speed = view_speed(modifier, base_speed);
    if (speed < 0.95) {
        // std::round takes halves away from zero, as the tenths shown need.
        const auto tenths = saturating_cast<std::int32_t>(std::round(speed * 10));
        return fmt::format("{}% ({}.{} TPS)", percent, tenths / 10, tenths % 10);
    }
    return fmt::format("{}% ({} TPS)", percent, saturating_cast<std::int64_t>(std::round(speed)));
}

std::string tick_label(double time) { return fmt::format("{}", saturating_cast<std::uint64_t>(time)); }

std::string time_label(double time, double base_speed) {
    const auto seconds = saturating_cast<std::uint64_t>(time / base_speed);
    return fmt::format("{}:{:02}", seconds / 60, seconds % 60);
}

}  // namespace tarnwick::app::game_screen::ui
