#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <pakko/pakko.hpp>

#include "test_support/bytes.hpp"
#include "fake_game.hpp"
#include "tarnwick/lib/byte_source.hpp"
#include "tarnwick/lib/replay.hpp"
#include "tarnwick/player/simple.hpp"
#include "tarnwick/processor/game_processor.hpp"
#include "test_support/panic_message.hpp"

using test_support::to_hex;

using test_support::panic_message;

namespace {

using G = fake::Game;
using Processor = tarnwick::processor::GameProcessor<G>;
using Results = tarnwick::FullResults<std::vector<fake::usize>>;

// Answers every tick with the same points.
class PointsPlayer final : public tarnwick::player::Player<G> {
public:
    explicit PointsPlayer(std::int32_t points) : points_(points) {}
    fake::Action get_action(const fake::View&, tarnwick::player::DebugInterfaceOf<G>*) override {
        fake::Action action;
        action.values[1] = points_;
        return action;
    }
    void debug_update(const fake::View&, tarnwick::player::DebugInterfaceOf<G>&) override {}

private:
    std::int32_t points_;
};

tarnwick::processor::PlayerSlots<G> players(std::vector<std::int32_t> points) {
    tarnwick::processor::PlayerSlots<G> slots;
    for (auto p : points) slots.push_back(std::make_unique<PointsPlayer>(p));
    return slots;
}

// Appends to a vector the test keeps, counting flushes.
class SharedWriter final : public pakko::Writer {
public:
    struct Sink {
        std::vector<std::byte> bytes;
        int flushes = 0;
        bool fail_writes = false;
        bool fail_flushes = false;
    };
    explicit SharedWriter(std::shared_ptr<Sink> sink) : sink_(std::move(sink)) {}
    void write_all(std::span<const std::byte> bytes) override {
        if (sink_->fail_writes) throw pakko::IoError(pakko::ErrorKind::Os, "No space left on device (os error 28)");
        sink_->bytes.insert(sink_->bytes.end(), bytes.begin(), bytes.end());
    }
    void flush() override {
        if (sink_->fail_flushes) throw pakko::IoError(pakko::ErrorKind::Os, "No space left on device (os error 28)");
        ++sink_->flushes;
    }

private:
    std::shared_ptr<Sink> sink_;
};

// A live match with its log, its states and events tick by tick.
struct Recorded {
    std::shared_ptr<SharedWriter::Sink> log = std::make_shared<SharedWriter::Sink>();
    std::vector<G> states;
    std::vector<std::vector<fake::Event>> events;
    std::optional<Results> results;
    std::vector<std::size_t> log_size_after_tick;
};

Recorded record_match(fake::usize ticks, std::vector<std::int32_t> points = {0, 2}) {
    Recorded recorded;
    Processor processor(11, fake::Options{ticks}, players(points));
    auto writer = tarnwick::save_replay_tick_handler<G>(std::make_unique<SharedWriter>(recorded.log));
    writer(nullptr, processor.strategy().game());
    recorded.states.push_back(processor.strategy().game());
    processor.set_tick_handler([&, writer](const std::vector<fake::Event>* events, const G& state) mutable {
        writer(events, state);
        recorded.states.push_back(state);
        recorded.events.push_back(*events);
        recorded.log_size_after_tick.push_back(recorded.log->bytes.size());
    });
    processor.set_results_handler([&](Results full) { recorded.results = full; });
    while (!processor.strategy().finished()) processor.process_tick(nullptr);
    return recorded;
}

Processor repeat_of(std::vector<std::byte> bytes, std::vector<std::int32_t> points = {5, 5}) {
    return Processor::repeat(std::make_unique<tarnwick::MemorySource>(std::move(bytes)), players(points));
}

TEST(GameLog, RepeatGivesTheRecordedStatesEventsAndResults) {
    auto recorded = record_match(4);
    // Other actions than in the live match: the log alone decides.
    auto processor = repeat_of(recorded.log->bytes);
    EXPECT_EQ(processor.seed(), std::nullopt);
    std::optional<Results> results;
    processor.set_results_handler([&](Results full) { results = full; });

    EXPECT_EQ(processor.strategy().game(), recorded.states[0]);
    for (std::size_t tick = 0; tick < recorded.events.size(); ++tick) {
        ASSERT_FALSE(processor.strategy().finished()) << tick;
        EXPECT_EQ(processor.process_tick(nullptr), recorded.events[tick]) << tick;
        EXPECT_EQ(processor.strategy().game(), recorded.states[tick + 1]) << tick;
    }
    EXPECT_TRUE(processor.strategy().finished());
    ASSERT_TRUE(results && recorded.results);
    EXPECT_EQ(results->seed, std::nullopt);
    EXPECT_EQ(recorded.results->seed, std::optional<std::uint64_t>(11));
    EXPECT_EQ(results->players, recorded.results->players);
    EXPECT_EQ(results->results, recorded.results->results);
}

TEST(GameLog, LayoutIsInitialStateThenEventsAndDeltaPerTick) {
    auto recorded = record_match(2, {0});
    const auto& s = recorded.states;
    std::vector<std::byte> expected = pakko::to_bytes(s[0]);
    for (std::size_t tick = 0; tick < 2; ++tick) {
        auto events = pakko::to_bytes(recorded.events[tick]);
        auto delta = pakko::to_bytes(kimbly::diff(s[tick], s[tick + 1]));
        expected.insert(expected.end(), events.begin(), events.end());
        expected.insert(expected.end(), delta.begin(), delta.end());
    }
    EXPECT_EQ(to_hex(recorded.log->bytes), to_hex(expected));
    // Every call reached the sink: the initial state and each tick.
    EXPECT_EQ(recorded.log->flushes, 3);

    auto zero = record_match(0);
    EXPECT_EQ(zero.log->bytes, pakko::to_bytes(zero.states[0]));
    EXPECT_TRUE(repeat_of(zero.log->bytes).strategy().finished());

    auto quiet = record_match(1, {});
    auto initial = pakko::to_bytes(quiet.states[0]);
    EXPECT_EQ(to_hex({quiet.log->bytes.begin() + static_cast<std::ptrdiff_t>(initial.size()),
                      quiet.log->bytes.begin() + static_cast<std::ptrdiff_t>(initial.size()) + 4}),
              "00 00 00 00");
}

TEST(GameLog, CutLogsEndCleanlyOnlyAtRecordBoundaries) {
    auto recorded = record_match(3);
    const auto& after = recorded.log_size_after_tick;
    struct Case {
        std::size_t length;
        std::size_t whole_ticks;  // playable before the end or the failure
        bool cut_inside;
    };
    const std::vector<Case> cases{
        {after[0], 1, false},
        {after[1], 2, false},
        {after[0] + 1, 1, true},
        {after[1] + 3, 2, true},
        {after[2] - 1, 2, true},
    };
    for (const auto& c : cases) {
        std::vector<std::byte> bytes(recorded.log->bytes.begin(),
                                     recorded.log->bytes.begin() + static_cast<std::ptrdiff_t>(c.length));
        auto processor = repeat_of(bytes);
        for (std::size_t tick = 0; tick < c.whole_ticks; ++tick) {
            ASSERT_FALSE(processor.strategy().finished()) << c.length;
            processor.process_tick(nullptr);
            EXPECT_EQ(processor.strategy().game(), recorded.states[tick + 1]) << c.length;
        }
        if (c.cut_inside) {
            EXPECT_FALSE(processor.strategy().finished()) << c.length;
            EXPECT_EQ(panic_message([&] { processor.process_tick(nullptr); }),
                      "Failed to read game log: failed to fill whole buffer")
                << c.length;
        } else {
            EXPECT_TRUE(processor.strategy().finished()) << c.length;
            EXPECT_EQ(panic_message([&] { processor.process_tick(nullptr); }), "assertion failed: !self.finished()");
        }
    }
}

TEST(GameLog, UnreadableStartsAreRefused) {
    auto recorded = record_match(1);
    auto initial_size = pakko::to_bytes(recorded.states[0]).size();
    std::vector<std::byte> cut(recorded.log->bytes.begin(),
                               recorded.log->bytes.begin() + static_cast<std::ptrdiff_t>(initial_size - 1));
    EXPECT_EQ(panic_message([&] { repeat_of(cut); }), "Failed to read game log: failed to fill whole buffer");
    // The log's state has two players: a third slot could never get a view.
    EXPECT_EQ(panic_message([&] { repeat_of(recorded.log->bytes, {0, 0, 0}); }),
              "The game state has 2 players, fewer than the 3 players of the match");
}

TEST(GameLog, WriteAndFlushFailuresStopTheMatch) {
    for (bool fail_flush : {false, true}) {
        auto sink = std::make_shared<SharedWriter::Sink>();
        auto writer = tarnwick::save_replay_tick_handler<G>(std::make_unique<SharedWriter>(sink));
        G state{0, 3, 0, {0, 0}};
        writer(nullptr, state);
        (fail_flush ? sink->fail_flushes : sink->fail_writes) = true;
        std::vector<fake::Event> events;
        EXPECT_EQ(panic_message([&] { writer(&events, state); }),
                  "Failed to write replay: No space left on device (os error 28)");
    }
}

TEST(GameLog, RepeatsFromAFile) {
    auto recorded = record_match(3);
    auto path = std::filesystem::temp_directory_path() / ("game_log_test_" + std::to_string(::getpid()) + ".log");
    {
        pakko::FileWriter file(path);
        file.write_all(recorded.log->bytes);
        file.flush();
    }
    auto processor = Processor::repeat(std::make_unique<tarnwick::FileSource>(path), players({0, 0}));
    while (!processor.strategy().finished()) processor.process_tick(nullptr);
    EXPECT_EQ(processor.strategy().game(), recorded.states.back());
    std::filesystem::remove(path);

    try {
        tarnwick::FileSource missing(path);
        ADD_FAILURE() << "opened a missing file";
    } catch (const pakko::IoError& error) {
        EXPECT_EQ(error.kind(), pakko::ErrorKind::NotFound);
    }
}

// Hands out at most three bytes per call, like a slow pipe.
class TrickleSource final : public tarnwick::ByteSource {
public:
    explicit TrickleSource(std::vector<std::byte> bytes) : bytes_(std::move(bytes)) {}
    std::size_t read_some(std::span<std::byte> out) override {
        return inner_.read_some(out.first(std::min<std::size_t>(out.size(), 3)));
    }

private:
    std::vector<std::byte> bytes_;
    tarnwick::MemorySource inner_{bytes_};
};

TEST(BufferedSource, ReadsAcrossPiecesAndLooksAheadWithoutConsuming) {
    std::vector<std::byte> bytes(20);
    for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<std::byte>(i);
    tarnwick::BufferedSource source(std::make_unique<TrickleSource>(bytes), 4);
    std::vector<std::byte> got;
    for (std::size_t size : {1u, 5u, 0u, 2u, 9u}) {
        EXPECT_FALSE(source.at_end());
        std::vector<std::byte> part(size);
        source.read_exact(part);
        got.insert(got.end(), part.begin(), part.end());
    }
    std::vector<std::byte> rest(3);
    source.read_exact(rest);
    got.insert(got.end(), rest.begin(), rest.end());
    EXPECT_EQ(got, bytes);
    EXPECT_TRUE(source.at_end());
    std::vector<std::byte> more(1);
    EXPECT_THROW(source.read_exact(more), pakko::IoError);
}

}  // namespace
