#include <benchmark/benchmark.h>

#include <cstdint>
#include <map>

#include "kimbly/chacha20.hpp"
#include "velmora/model/init.hpp"
#include "velmora/model/player_view.hpp"
#include "velmora/model/sight.hpp"

namespace {

using namespace velmora::model;

Model finals_game(std::uint64_t seed) {
    auto rng = kimbly::rng::ChaCha20Rng::seed_from_u64(seed);
    return init(rng, 4, options_from(OptionsPreset{Finals{}}));
}

void bm_init_finals_4_players(benchmark::State& state) {
    std::uint64_t seed = 0;
    for (auto _ : state) benchmark::DoNotOptimize(finals_game(seed++));
}
BENCHMARK(bm_init_finals_4_players)->Unit(benchmark::kMicrosecond);

// All four views of one tick, as the match runner asks for them.
void bm_player_view_finals_4_players(benchmark::State& state) {
    const auto model = finals_game(42);
    for (auto _ : state) {
        for (usize index = 0; index < 4; ++index) benchmark::DoNotOptimize(player_view(model, index));
    }
}
BENCHMARK(bm_player_view_finals_4_players)->Unit(benchmark::kMicrosecond);

// Every player's sight grid, as turn processing builds them each tick: into
// grids kept between ticks, and fresh ones for comparison.
void bm_sight_range_maps_into_finals_4_players(benchmark::State& state) {
    const auto model = finals_game(42);
    std::map<usize, SightGrid> grids;
    for (auto _ : state) {
        sight_range_maps_into(model, grids);
        benchmark::DoNotOptimize(grids.begin()->second.counters.data());
    }
}
BENCHMARK(bm_sight_range_maps_into_finals_4_players)->Unit(benchmark::kMicrosecond);

void bm_sight_range_maps_fresh_finals_4_players(benchmark::State& state) {
    const auto model = finals_game(42);
    for (auto _ : state) benchmark::DoNotOptimize(sight_range_maps(model));
}
BENCHMARK(bm_sight_range_maps_fresh_finals_4_players)->Unit(benchmark::kMicrosecond);

}  // namespace

