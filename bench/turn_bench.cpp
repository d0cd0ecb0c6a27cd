// Ticks of a whole four-player quick-start match on the Finals preset, with
// and without the players' decisions, and single searches across the map.
#include <benchmark/benchmark.h>

#include <map>
#include <vector>

#include <kimbly/chacha20.hpp>

#include "velmora/model/frames.hpp"
#include "velmora/model/init.hpp"
#include "velmora/model/options.hpp"
#include "velmora/model/pathfind.hpp"
#include "velmora/model/player_view.hpp"
#include "velmora/model/sight.hpp"
#include "velmora/model/tile_map.hpp"
#include "velmora/model/turn.hpp"
#include "velmora/quickstart_player.hpp"

namespace {

using namespace velmora::model;

constexpr usize MATCH_TICKS = 1000;

Model finals(kimbly::rng::Rng& rng) { return init(rng, 4, options_from(OptionsPreset{Finals{}})); }

std::map<usize, Action> quickstart_orders(const Model& model) {
    std::map<usize, Action> actions;
    for (const Player& player : model.players.iter()) {
        Action action = velmora::quickstart_player::decide(player_view(model, player));
        convert_action(model, action, player.index);
        actions[player.index] = std::move(action);
    }
    return actions;
}

// A whole match, views and decisions included; one iteration is 1000 ticks.
void BM_QuickStartMatch(benchmark::State& state) {
    for (auto _ : state) {
        auto rng = kimbly::rng::ChaCha20Rng::seed_from_u64(42);
        Model model = finals(rng);
        for (usize tick = 0; tick < MATCH_TICKS; ++tick) process_turn(model, rng, quickstart_orders(model));
        benchmark::DoNotOptimize(model.next_id);
    }
    state.counters["ticks/s"] =
        benchmark::Counter(static_cast<double>(state.iterations() * MATCH_TICKS), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_QuickStartMatch)->Unit(benchmark::kMillisecond);

// The same match with the orders recorded beforehand: process_turn alone.
void BM_QuickStartTurnsOnly(benchmark::State& state) {
    auto rng = kimbly::rng::ChaCha20Rng::seed_from_u64(42);
    Model start = finals(rng);
    const auto rng_after_init = rng;
    std::vector<std::map<usize, Action>> recorded;
    {
        Model model = start;
        auto replay_rng = rng_after_init;
        for (usize tick = 0; tick < MATCH_TICKS; ++tick) {
            recorded.push_back(quickstart_orders(model));
            process_turn(model, replay_rng, recorded.back());
        }
    }
    for (auto _ : state) {
        state.PauseTiming();
        Model model = start;
        auto replay_rng = rng_after_init;
        state.ResumeTiming();
        for (usize tick = 0; tick < MATCH_TICKS; ++tick) process_turn(model, replay_rng, recorded[tick]);
        benchmark::DoNotOptimize(model.next_id);
    }
    state.counters["ticks/s"] =
        benchmark::Counter(static_cast<double>(state.iterations() * MATCH_TICKS), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_QuickStartTurnsOnly)->Unit(benchmark::kMillisecond);

// One search from player 0's builder towards the far corner, with the
// Finals node budget spent in full.
void BM_PathfindAcrossTheMap(benchmark::State& state) {
    auto rng = kimbly::rng::ChaCha20Rng::seed_from_u64(42);
    Model model = finals(rng);
    const TileMap tiles = TileMap::get(model);
    const Player& player = *model.players.get(1);
    const SightGrid sight = sight_range_map(model, &player);
    const Entity* unit = nullptr;
    for (const Entity& entity : model.entities.iter())
        if (entity.player_id == player.id && entity.entity_type == EntityType::BuilderUnit) unit = &entity;
    const kimbly::Vec2Usize target{model.map_size - 1, model.map_size - 1};
    auto goal = [target](usize, kimbly::Vec2Usize cell) { return manhattan_distance(cell, target); };
    for (auto _ : state) {
        auto result = pathfind::pathfind(rng, model.map_size, model.entities, model.entity_properties.value, tiles,
                                         sight, *unit, goal, true, model.max_pathfind_nodes);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(BM_PathfindAcrossTheMap)->Unit(benchmark::kMicrosecond);

}  // namespace
