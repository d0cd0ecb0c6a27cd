#pragma once
// The game screen's playback arithmetic: where the time may go, how many
// ticks the live match is asked for, and the timeline's range. Times are in
// ticks; `stored` is the number of states the history holds (at least 1).
#include <cstddef>
#include <cstdint>

namespace tarnwick::app::game_screen::playback {

// The time never passes the number of stored states; NaN gives that number.
double clamp_time(double time, std::size_t stored);

// How many more ticks to ask for, so that the history holds the tick at
// ceil(time) and stays one tick ahead of the shown position.
std::int32_t tick_budget(double time, std::size_t stored);

// The timeline slider's upper end: 1 while at most two states are stored.
double timeline_max(std::size_t stored);

// The time shown on the timeline: at most its upper end; NaN gives the end.
double timeline_time(double time, double max);

// Ticks per second at the speed setting `modifier`: 2^modifier times the base.
double view_speed(double modifier, double base_speed);

// One tick back while paused, never below 0.
double step_back(double time);

}  // namespace tarnwick::app::game_screen::playback
