// Frames per second of the viewer drawing a 4-player Finals match at
// 1920x1080 into a texture framebuffer, in each view. Needs a display: run
// it under `xvfb-run -a`; on Mesa's software renderer this is what a
// machine without a GPU gets.
#include <benchmark/benchmark.h>

#include <epoxy/gl.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <thread>

#include <kimbly/chacha20.hpp>
#include <tarnwick/app/history/history.hpp>
#include <vindle/testing/context_gl_test.hpp>

#include "velmora/model/init.hpp"
#include "velmora/model/turn.hpp"
#include "velmora/renderer/draw/renderer.hpp"

namespace {

using namespace velmora;

constexpr kimbly::Vec2Usize SIZE{1920, 1080};
// Enough ticks for the players' units to spread over the map.
constexpr int TICKS = 200;

// The engine's display fixture, opened outside a test run.
struct Display final : vindle::testing::ContextGlTest {
    void open() {
        SetUp();
        if (!ovra || !engine) throw std::runtime_error("no GL context (run under xvfb-run -a)");
    }
    void close() { TearDown(); }
    void TestBody() override {}
};

renderer::Assets load_assets(vindle::Vindle& engine) {
    auto future = vindle::asset::LoadAsset<renderer::Assets>::load(engine, VELMORA_ASSETS_DIR);
    for (;;) {
        if (auto result = future->poll()) {
            if (!result->ok()) throw std::runtime_error(result->error().what());
            return std::move(result->value());
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

void draw_frames(benchmark::State& state, renderer::RendererMode mode) {
    Display display;
    display.open();
    const auto folder = std::filesystem::temp_directory_path() / "velmora-view-bench";
    std::filesystem::create_directories(folder);
    auto preferences = std::make_shared<kimbly::autosave::AutoSave<renderer::Preferences>>(
        kimbly::autosave::AutoSave<renderer::Preferences>::load(folder / renderer::PREFERENCES_FILE));
    preferences->write().renderer.mode = mode;

    auto rng = kimbly::rng::ChaCha20Rng::seed_from_u64(5);
    auto game = model::init(rng, 4, model::options_from({model::Finals{}}));
    std::optional<tarnwick::app::history::History<model::Model, renderer::space::RendererData>> history;
    history.emplace(game);
    auto push = history->tick_handler();
    for (int tick = 0; tick < TICKS; ++tick) {
        auto events = model::process_turn(game, rng, {});
        push(game, std::move(events));
    }
    {
        renderer::Renderer renderer(display.engine, preferences, {"Ann", "Bob", "Cid", "Dee"},
                                    load_assets(*display.engine));
        auto& target = display.target_of(SIZE);
        // Playback moves between the last ticks, as a replay shown at speed does.
        double time = TICKS - 20;
        for (auto _ : state) {
            history->go_to(time, false);
            renderer.update(1.0 / 60);
            renderer.draw(history->current_state(), target);
            glFinish();
            time = time + 0.05 > TICKS ? TICKS - 20 : time + 0.05;
        }
        state.counters["fps"] = benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
    }
    history.reset();
    preferences.reset();
    display.close();
    std::filesystem::remove_all(folder);
}

void BM_SchematicView(benchmark::State& state) { draw_frames(state, renderer::RendererMode::Schematic); }
void BM_SpaceView(benchmark::State& state) { draw_frames(state, renderer::RendererMode::Space); }

BENCHMARK(BM_SchematicView)->Iterations(60)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_SpaceView)->Iterations(30)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
