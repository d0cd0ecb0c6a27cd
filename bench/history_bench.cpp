// The tick history of a whole four-player quick-start match on the Finals
// preset, with the space view's motion records beside every state: the heap
// it takes, moving the view to a random tick, and playback tick by tick.
#include <benchmark/benchmark.h>

#include <malloc.h>

#include <cstdint>
#include <map>
#include <vector>

#include <kimbly/chacha20.hpp>
#include <tarnwick/app/history/history.hpp>

#include "velmora/renderer/game_history.hpp"
#include "velmora/model/frames.hpp"
#include "velmora/model/init.hpp"
#include "velmora/model/options.hpp"
#include "velmora/model/player_view.hpp"
#include "velmora/model/turn.hpp"
#include "velmora/quickstart_player.hpp"

namespace {

using namespace velmora::model;
using History = velmora::GameHistory;

constexpr usize HISTORY_TICKS = 1000;

struct Recorded {
    std::vector<Model> states;
    std::vector<std::vector<Event>> events;
};

const Recorded& recorded_match() {
    static const Recorded recorded = [] {
        Recorded r;
        auto rng = kimbly::rng::ChaCha20Rng::seed_from_u64(42);
        Model model = init(rng, 4, options_from(OptionsPreset{Finals{}}));
        r.states.push_back(model);
        for (usize tick = 0; tick < HISTORY_TICKS; ++tick) {
            std::map<usize, Action> actions;
            for (const Player& player : model.players.iter()) {
                Action action = velmora::quickstart_player::decide(player_view(model, player));
                convert_action(model, action, player.index);
                actions[player.index] = std::move(action);
            }
            r.events.push_back(process_turn(model, rng, std::move(actions)));
            r.states.push_back(model);
        }
        return r;
    }();
    return recorded;
}

History filled_history() {
    const Recorded& match = recorded_match();
    History history(match.states[0]);
    auto push = history.tick_handler();
    for (usize tick = 0; tick < HISTORY_TICKS; ++tick) push(match.states[tick + 1], match.events[tick]);
    return history;
}

// Heap in use after filling a history, less the heap before.
void BM_HistoryMemoryOfAWholeMatch(benchmark::State& state) {
    recorded_match();
    double megabytes = 0;
    for (auto _ : state) {
        const auto before = mallinfo2().uordblks;
        History history = filled_history();
        const auto after = mallinfo2().uordblks;
        megabytes = static_cast<double>(after - before) / (1024.0 * 1024.0);
        benchmark::DoNotOptimize(history.stored_states());
    }
    state.counters["MB"] = megabytes;
}
BENCHMARK(BM_HistoryMemoryOfAWholeMatch)->Unit(benchmark::kMillisecond)->Iterations(3);

// Jumps anywhere in the match, as dragging the timeline does.
void BM_HistoryGoToRandomTick(benchmark::State& state) {
    History history = filled_history();
    auto rng = kimbly::rng::ChaCha20Rng::seed_from_u64(7);
    for (auto _ : state) {
        auto tick = static_cast<double>(rng.next_u32() % (HISTORY_TICKS + 1));
        benchmark::DoNotOptimize(history.go_to(tick, false));
    }
}
BENCHMARK(BM_HistoryGoToRandomTick)->Unit(benchmark::kMicrosecond);

// Playback one tick at a time, with the events passed over.
void BM_HistoryGoToNextTick(benchmark::State& state) {
    History history = filled_history();
    usize tick = 0;
    for (auto _ : state) {
        tick = tick == HISTORY_TICKS ? 0 : tick + 1;
        benchmark::DoNotOptimize(history.go_to(static_cast<double>(tick), true));
    }
}
BENCHMARK(BM_HistoryGoToNextTick)->Unit(benchmark::kMicrosecond);

}  // namespace
