#pragma once
// The texts of the game screen's control panel, and the speed rule that the
// screen plays back with.
#include <string>

namespace tarnwick::app::game_screen::ui {

// Ticks per second: 2^modifier × the renderer's base speed.
double view_speed(double modifier, double base_speed);

// "{percent}% ({speed} TPS)": the speed with one decimal below 0.95 ticks
// per second, else rounded to whole ticks. The modifier comes from the
// preferences file unchecked, so an infinite or huge speed still gives a
// text (its numbers saturate).
std::string speed_text(double modifier, double base_speed);

// The shown tick, fraction dropped.
std::string tick_label(double time);

// The game time at the base speed as minutes and two-digit seconds, "1:05".
std::string time_label(double time, double base_speed);

}  // namespace tarnwick::app::game_screen::ui
