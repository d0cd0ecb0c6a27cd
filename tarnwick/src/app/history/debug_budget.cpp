#include "tarnwick/app/history/debug_budget.hpp"

#include <kimbly/logger.hpp>

namespace tarnwick::app::history {

bool DebugDataBudget::admit(std::size_t player_index, bool in_debug_update, std::uint64_t kept, std::uint64_t size) {
    if (kept + size > MAX_DEBUG_BYTES_PER_TICK) {
        if (told_this_tick_.insert({player_index, in_debug_update}).second) {
            kimbly::logger::warn(LOG_TARGET, "Player {} sent more than {} bytes of debug data for one tick; the rest is dropped",
                                 player_index, MAX_DEBUG_BYTES_PER_TICK);
        }
        return false;
    }
    if (in_debug_update) return true;
    const auto total = match_total_.find(player_index);
    if (total != match_total_.end() && total->second + kept + size > MAX_DEBUG_BYTES_PER_MATCH) {
        if (told_of_match_.insert(player_index).second) {
            kimbly::logger::warn(LOG_TARGET,
                                 "Player {} sent more than {} bytes of debug data in this match; the rest is dropped",
                                 player_index, MAX_DEBUG_BYTES_PER_MATCH);
        }
        return false;
    }
    return true;
}

void DebugDataBudget::keep_tick(std::size_t player_index, std::uint64_t kept) { match_total_[player_index] += kept; }

void DebugDataBudget::next_tick() { told_this_tick_.clear(); }

}  // namespace tarnwick::app::history
