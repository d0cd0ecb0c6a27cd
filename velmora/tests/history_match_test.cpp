#include <gtest/gtest.h>

#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <vector>

#include <pakko/memory_io.hpp>
#include <pakko/pakko.hpp>
#include <tarnwick/app/history/history.hpp>
#include <tarnwick/lib/replay.hpp>
#include <tarnwick/processor/background.hpp>
#include <tarnwick/processor/game_processor.hpp>
#include <test_support/waits.hpp>

#include "velmora/game.hpp"
#include "velmora/quickstart_player.hpp"

namespace history_match {

// Stands in for the renderer's per-tick data: the attacks seen so far.
struct AttackTally {
    std::uint64_t attacks = 0;
    bool operator==(const AttackTally&) const = default;
};
constexpr auto pakko_describe(pakko::Tag<AttackTally>) {
    return pakko::record<AttackTally>("AttackTally", pakko::no_doc(),
                                      pakko::field("attacks", &AttackTally::attacks));
}
constexpr kimbly::DeltaKind kimbly_delta(pakko::Tag<AttackTally>) { return kimbly::DeltaKind::FullCopy; }

}  // namespace history_match

template <>
struct tarnwick::app::history::RendererExtraDataTraits<history_match::AttackTally> {
    static history_match::AttackTally create(const velmora::model::Model&) { return {}; }
    static void update(history_match::AttackTally& tally, const std::vector<velmora::model::Event>& events,
                       const velmora::model::Model&, const velmora::model::Model&) {
        tally.attacks += events.size();
    }
};

namespace velmora {
namespace {

using model::Model;
using History = tarnwick::app::history::History<Model, history_match::AttackTally>;
using Processor = tarnwick::processor::GameProcessor<Model>;
using namespace std::chrono_literals;

constexpr std::uint64_t TICKS = 120;

class SharedVecWriter final : public pakko::Writer {
public:
    explicit SharedVecWriter(std::shared_ptr<std::vector<std::byte>> bytes) : bytes_(std::move(bytes)) {}
    void write_all(std::span<const std::byte> bytes) override { bytes_->insert(bytes_->end(), bytes.begin(), bytes.end()); }
    void flush() override {}

private:
    std::shared_ptr<std::vector<std::byte>> bytes_;
};

struct Live {
    std::vector<Model> states;
    std::vector<std::vector<model::Event>> events;
};

void expect_shows_every_tick(History& history, const Live& live) {
    ASSERT_EQ(history.stored_states(), live.states.size());
    for (std::size_t tick = 0; tick < live.states.size(); ++tick) {
        history.go_to(static_cast<double>(tick), false);
        auto state = history.current_state();
        ASSERT_EQ(state.game, live.states[tick]) << tick;
        if (tick > 0) {
            ASSERT_EQ(state.events, live.events[tick - 1]) << tick;
        }
    }
}

// One match of two quick-start players played for the viewer: the live
// game-log writer on the processor, the history filled by the background
// thread.
TEST(HistoryMatch, SavedLogEqualsTheLiveOneAndLoadsBackToEveryLiveState) {
    auto options = model::options_from(model::OptionsPreset{model::Round1{}});
    options.max_tick_count = TICKS;
    tarnwick::processor::PlayerSlots<Model> players;
    for (int i = 0; i < 2; ++i) players.push_back(std::make_unique<quickstart_player::QuickStartPlayer<Model>>());
    Processor processor(42, options, std::move(players));

    auto live_log = std::make_shared<std::vector<std::byte>>();
    auto writer = tarnwick::save_replay_tick_handler<Model>(std::make_unique<SharedVecWriter>(live_log));
    writer(nullptr, processor.strategy().game());
    auto live = std::make_shared<Live>();
    live->states.push_back(processor.strategy().game());
    processor.set_tick_handler([writer, live](const std::vector<model::Event>* events, const Model& state) mutable {
        writer(events, state);
        live->states.push_back(state);
        live->events.push_back(*events);
    });

    History history(processor.strategy().game());
    auto pushed = std::make_shared<test_support::Count>();
    {
        tarnwick::processor::background::BackgroundGameProcessor<Model> background(
            std::move(processor),
            [push = history.tick_handler(), pushed](const Model& state, std::vector<model::Event> events) {
                push(state, std::move(events));
                pushed->add();
            },
            std::nullopt);
        background.proceed(nullptr, static_cast<std::int32_t>(TICKS) + 5);
        ASSERT_TRUE(pushed->wait_for(TICKS, 60s));
        ASSERT_FALSE(background.stop());
    }
    ASSERT_EQ(live->states.size(), TICKS + 1);

    // The match must have stored whole states among the deltas for the
    // comparison to mean anything.
    tarnwick::app::history::HistoryEntries<Model> entries(live->states[0]);
    std::size_t whole = 0;
    for (std::size_t tick = 1; tick < live->states.size(); ++tick) {
        entries.push(live->states[tick]);
        whole += std::holds_alternative<tarnwick::app::history::FullEntry<Model>>(entries.entries().back());
    }
    EXPECT_GT(whole, 0u);

    std::vector<std::byte> saved;
    pakko::VecWriter out(saved);
    ASSERT_EQ(history.save(out), std::nullopt);
    EXPECT_TRUE(saved == *live_log) << "saved " << saved.size() << " bytes, live " << live_log->size();
    expect_shows_every_tick(history, *live);

    auto path = std::filesystem::temp_directory_path() / ("history_match_" + std::to_string(::getpid()) + ".log");
    {
        std::ofstream file(path, std::ios::binary);
        file.write(reinterpret_cast<const char*>(live_log->data()), static_cast<std::streamsize>(live_log->size()));
    }
    History loaded = History::load(path);
    // The reader tells nobody what it has read: the history is asked.
    ASSERT_TRUE(test_support::poll_until([&] { return loaded.stored_states() == TICKS + 1; }, 60s));
    std::filesystem::remove(path);
    expect_shows_every_tick(loaded, *live);
}

}  // namespace
}  // namespace velmora
