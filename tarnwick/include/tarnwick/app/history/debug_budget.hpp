#pragma once
// Bounds on the debug data the viewer keeps of each player: player programs
// are not trusted, and every tick's data is kept for the whole match. An item
// that would pass a bound is dropped, and the player is told of in the log
// once per tick (once per match for the match's bound).
#include <cstddef>
#include <cstdint>
#include <map>
#include <set>
#include <string_view>

namespace tarnwick::app::history {

inline constexpr std::string_view LOG_TARGET = "tarnwick::app::history";

// What one player may keep for one tick, and in the debug updates' map.
inline constexpr std::uint64_t MAX_DEBUG_BYTES_PER_TICK = std::uint64_t{4} << 20;
// What one player's ticks may keep in all; four players stay far below 1 GiB.
inline constexpr std::uint64_t MAX_DEBUG_BYTES_PER_MATCH = std::uint64_t{64} << 20;

// Sizes are the compact measure of the items (pakko::measured_size).
class DebugDataBudget {
public:
    // Whether an item of `size` may join the `kept` bytes the player keeps
    // now in a tick's map (`in_debug_update` false) or in the debug updates'
    // map. Logs the first refusal of each bound.
    bool admit(std::size_t player_index, bool in_debug_update, std::uint64_t kept, std::uint64_t size);
    // The tick's map is frozen with `kept` bytes of this player.
    void keep_tick(std::size_t player_index, std::uint64_t kept);
    // A new tick begins: each bound of a tick may be reported again.
    void next_tick();

private:
    std::map<std::size_t, std::uint64_t> match_total_;
    std::set<std::pair<std::size_t, bool>> told_this_tick_;
    std::set<std::size_t> told_of_match_;
};

}  // namespace tarnwick::app::history
