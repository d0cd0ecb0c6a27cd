#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <pakko/pakko.hpp>
#include <tarnwick/lib/byte_source.hpp>
#include <tarnwick/lib/replay.hpp>
#include <tarnwick/player/simple.hpp>
#include <tarnwick/processor/game_processor.hpp>

#include "velmora/game.hpp"
#include "velmora/quickstart_player.hpp"
#include "test_support/panic_message.hpp"

using test_support::panic_message;

namespace {

using velmora::model::Model;
using Processor = tarnwick::processor::GameProcessor<Model>;
using Results = tarnwick::FullResults<std::vector<velmora::model::usize>>;
using velmora::model::Event;

constexpr velmora::model::usize TICKS = 25;

velmora::model::Options short_round(bool fog) {
    auto options = velmora::model::options_from(
        fog ? velmora::model::OptionsPreset{velmora::model::Round2{}} : velmora::model::OptionsPreset{velmora::model::Round1{}});
    options.max_tick_count = TICKS;
    return options;
}

tarnwick::processor::PlayerSlots<Model> quick_start(std::size_t count) {
    tarnwick::processor::PlayerSlots<Model> slots;
    for (std::size_t i = 0; i < count; ++i) {
        slots.push_back(std::make_unique<velmora::quickstart_player::QuickStartPlayer<Model>>());
    }
    return slots;
}

tarnwick::processor::PlayerSlots<Model> empty(std::size_t count) {
    tarnwick::processor::PlayerSlots<Model> slots;
    for (std::size_t i = 0; i < count; ++i) slots.push_back(std::make_unique<tarnwick::player::EmptyPlayer<Model>>());
    return slots;
}

class TempFile {
public:
    explicit TempFile(const std::string& name)
        : path_(std::filesystem::temp_directory_path() / (name + "_" + std::to_string(::getpid()))) {}
    ~TempFile() { std::filesystem::remove(path_); }
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

// A match of quick-start players written live to a game-log file, with its
// states, events and the log's size after each tick.
struct Recorded {
    std::vector<Model> states;
    std::vector<std::vector<Event>> events;
    std::vector<std::uintmax_t> size_after_tick;
    std::optional<Results> results;
};

Recorded play_and_record(const std::filesystem::path& log, std::size_t players, bool fog) {
    Recorded recorded;
    Processor processor(2024, short_round(fog), quick_start(players));
    auto writer = tarnwick::save_replay_tick_handler<Model>(std::make_unique<pakko::FileWriter>(log, 8192));
    writer(nullptr, processor.strategy().game());
    recorded.states.push_back(processor.strategy().game());
    processor.set_tick_handler([&, writer](const std::vector<Event>* events, const Model& state) mutable {
        writer(events, state);
        recorded.states.push_back(state);
        recorded.events.push_back(*events);
        // Flushed per tick: the file already holds the whole tick.
        recorded.size_after_tick.push_back(std::filesystem::file_size(log));
    });
    processor.set_results_handler([&](Results full) { recorded.results = std::move(full); });
    while (!processor.strategy().finished()) processor.process_tick(nullptr);
    return recorded;
}

std::filesystem::path cut_copy(const std::filesystem::path& log, std::uintmax_t length, const TempFile& into) {
    std::filesystem::copy_file(log, into.path(), std::filesystem::copy_options::overwrite_existing);
    std::filesystem::resize_file(into.path(), length);
    return into.path();
}

TEST(RealGameLog, RepeatReplaysTheRecordedMatch) {
    struct Case {
        std::size_t players;
        bool fog;
    };
    for (const auto& c : std::vector<Case>{{2, false}, {4, true}}) {
        TempFile log("match_test_game_log");
        auto recorded = play_and_record(log.path(), c.players, c.fog);
        ASSERT_EQ(recorded.events.size(), TICKS);
        ASSERT_TRUE(recorded.results.has_value());

        // Idle players this time: the log alone decides what happens.
        auto processor = Processor::repeat(std::make_unique<tarnwick::FileSource>(log.path()), empty(c.players));
        std::optional<Results> results;
        processor.set_results_handler([&](Results full) { results = std::move(full); });
        ASSERT_EQ(processor.strategy().game(), recorded.states[0]);
        for (std::size_t tick = 0; tick < TICKS; ++tick) {
            ASSERT_FALSE(processor.strategy().finished()) << tick;
            EXPECT_EQ(processor.process_tick(nullptr), recorded.events[tick]) << tick;
            ASSERT_EQ(processor.strategy().game(), recorded.states[tick + 1]) << "tick " << tick + 1;
        }
        EXPECT_TRUE(processor.strategy().finished());
        ASSERT_TRUE(results.has_value());
        EXPECT_EQ(results->results, recorded.results->results);
        EXPECT_EQ(results->seed, std::nullopt);
        EXPECT_EQ(recorded.results->seed, std::optional<std::uint64_t>(2024));
    }
}

TEST(RealGameLog, CutLogEndsCleanlyOnlyAfterAWholeTick) {
    TempFile log("match_test_cut_source");
    auto recorded = play_and_record(log.path(), 2, false);
    const auto& size = recorded.size_after_tick;

    struct Case {
        std::uintmax_t length;
        std::size_t whole_ticks;
        bool cut_inside;
    };
    const std::vector<Case> cases{
        {size[9], 10, false},
        {size[9] + 2, 10, true},
        {size[TICKS - 1] - 1, TICKS - 1, true},
    };
    for (const auto& c : cases) {
        TempFile cut("match_test_cut");
        auto processor = Processor::repeat(
            std::make_unique<tarnwick::FileSource>(cut_copy(log.path(), c.length, cut)), empty(2));
        for (std::size_t tick = 0; tick < c.whole_ticks; ++tick) {
            ASSERT_FALSE(processor.strategy().finished()) << c.length;
            processor.process_tick(nullptr);
        }
        EXPECT_EQ(processor.strategy().game(), recorded.states[c.whole_ticks]) << c.length;
        if (c.cut_inside) {
            ASSERT_FALSE(processor.strategy().finished()) << c.length;
            EXPECT_EQ(panic_message([&] { processor.process_tick(nullptr); }).rfind("Failed to read game log: ", 0), 0u)
                << c.length;
        } else {
            EXPECT_TRUE(processor.strategy().finished()) << c.length;
        }
    }
}

TEST(RealGameMatch, SeedFixesTheMatchAndStatesMustSeatEveryPlayer) {
    Processor first(99, short_round(false), quick_start(2));
    Processor second(99, short_round(false), quick_start(2));
    for (int tick = 0; tick < 5; ++tick) {
        EXPECT_EQ(first.process_tick(nullptr), second.process_tick(nullptr));
    }
    EXPECT_EQ(first.strategy().game(), second.strategy().game());

    Model two_players = first.strategy().game();
    EXPECT_EQ(panic_message([&] { Processor(1, two_players, quick_start(3)); }),
              "The game state has 2 players, fewer than the 3 players of the match");
}

}  // namespace
