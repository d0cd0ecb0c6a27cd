#pragma once
// A short recorded match of two built-in players, as the batch mode writes it.
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <pakko/file_io.hpp>
#include <pakko/json.hpp>
#include <tarnwick/lib/replay.hpp>

#include "velmora/lib/full_processor.hpp"

namespace velmora::testing {

inline FullOptions quick_start_match(std::uint64_t seed, std::size_t players = 2) {
    return {seed,
            {tarnwick::game_init_config::Create<model::OptionsPreset>{{model::Round1{}}}},
            std::vector<PlayerOptions>(players, {player_options::QuickStart{}})};
}

// The first state of a new match of that many players, as "Save game state" writes it.
inline std::string saved_first_state(std::size_t players) {
    return pakko::json::dump(new_full(quick_start_match(1, players)).strategy().game());
}

inline void write_game_log(const std::filesystem::path& path, int ticks, std::uint64_t seed = 1) {
    auto processor = new_full(quick_start_match(seed));
    auto handler = tarnwick::save_replay_tick_handler<Game>(std::make_unique<pakko::FileWriter>(path, 8192));
    handler(nullptr, processor.strategy().game());
    processor.set_tick_handler(std::move(handler));
    for (int i = 0; i < ticks; ++i) processor.process_tick(nullptr);
}

}  // namespace velmora::testing
