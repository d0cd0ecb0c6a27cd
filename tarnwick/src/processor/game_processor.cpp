#include "tarnwick/processor/game_processor.hpp"

#include <fmt/format.h>

namespace tarnwick::processor {

void check_player_count(std::size_t state_players, std::size_t slots) {
    if (state_players < slots) {
        kimbly::panic(fmt::format("The game state has {} players, fewer than the {} players of the match",
                                  state_players, slots));
    }
}

void log_player_error(const player::PlayerError& error) {
    kimbly::logger::warn(LOG_TARGET, "Player error: {}", error.what());
}

void log_processed(std::uint64_t tick_count) {
    kimbly::logger::trace(LOG_TARGET, "Processed {} ticks", tick_count);
}

}  // namespace tarnwick::processor
