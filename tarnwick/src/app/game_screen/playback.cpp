#include "tarnwick/app/game_screen/playback.hpp"

#include <algorithm>
#include <cmath>
#include <limits>

#include <kimbly/num.hpp>

namespace tarnwick::app::game_screen::playback {

double clamp_time(double time, std::size_t stored) { return std::fmin(time, static_cast<double>(stored)); }

std::int32_t tick_budget(double time, std::size_t stored) {
    const auto shown = kimbly::num::saturating_cast<std::uint64_t>(std::ceil(time));
    if (shown < stored) return 0;
    const std::uint64_t wanted = shown - stored + 1;
    return static_cast<std::int32_t>(std::min<std::uint64_t>(wanted, std::numeric_limits<std::int32_t>::max()));
}

double timeline_max(std::size_t stored) { return stored >= 3 ? static_cast<double>(stored - 1) : 1.0; }

double timeline_time(double time, double max) { return std::isnan(time) ? max : std::min(time, max); }

double view_speed(double modifier, double base_speed) { return std::exp2(modifier) * base_speed; }

double step_back(double time) { return std::max(time - 1, 0.0); }

}  // namespace tarnwick::app::game_screen::playback
