#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <limits>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include <kimbly/diff.hpp>
#include <kimbly/panic.hpp>
#include <pakko/describe.hpp>
#include <pakko/memory_io.hpp>
#include <pakko/pakko.hpp>

#include "live_threads.hpp"
#include "tarnwick/app/history/history.hpp"
#include "test_support/fake_clock.hpp"
#include "test_support/panic_message.hpp"
#include "test_support/waits.hpp"

using test_support::panic_message;

namespace board {

using usize = std::uint64_t;

// A state whose deltas only make sense on the state they were taken from:
// applying one to another state leaves stale cells behind, which shows
// a snapshot rebuilt from the wrong starting point.
struct Board {
    usize tick = 0;
    std::map<std::int32_t, std::int32_t> cells;
    bool operator==(const Board&) const = default;
};
constexpr auto pakko_describe(pakko::Tag<Board>) {
    return pakko::record<Board>("Board", pakko::no_doc(), pakko::field("tick", &Board::tick),
                                pakko::field("cells", &Board::cells));
}

struct BoardDelta {
    usize tick = 0;
    std::map<std::int32_t, std::int32_t> set;
    std::vector<std::int32_t> removed;
    bool operator==(const BoardDelta&) const = default;
};
constexpr auto pakko_describe(pakko::Tag<BoardDelta>) {
    return pakko::record<BoardDelta>("BoardDelta", pakko::no_doc(), pakko::field("tick", &BoardDelta::tick),
                                     pakko::field("set", &BoardDelta::set),
                                     pakko::field("removed", &BoardDelta::removed));
}

struct Mark {
    std::int32_t cell = 0;
    bool operator==(const Mark&) const = default;
};
constexpr auto pakko_describe(pakko::Tag<Mark>) {
    return pakko::record<Mark>("Mark", pakko::no_doc(), pakko::field("cell", &Mark::cell));
}

struct Drawing {
    std::string text;
    bool operator==(const Drawing&) const = default;
};
constexpr auto pakko_describe(pakko::Tag<Drawing>) {
    return pakko::record<Drawing>("Drawing", pakko::no_doc(), pakko::field("text", &Drawing::text));
}

// The renderer's stand-in: one line per update it was given, so that the
// arguments of every update show in the stored data.
struct Trail {
    std::vector<std::string> lines;
    bool operator==(const Trail&) const = default;
};
constexpr auto pakko_describe(pakko::Tag<Trail>) {
    return pakko::record<Trail>("Trail", pakko::no_doc(), pakko::field("lines", &Trail::lines));
}
constexpr kimbly::DeltaKind kimbly_delta(pakko::Tag<Trail>) { return kimbly::DeltaKind::FullCopy; }

inline int board_updates = 0;

}  // namespace board

template <>
struct kimbly::Diff<board::Board> {
    using Delta = board::BoardDelta;
    static Delta diff(const board::Board& older, const board::Board& newer) {
        Delta delta{newer.tick, {}, {}};
        for (const auto& [cell, value] : newer.cells) {
            auto it = older.cells.find(cell);
            if (it == older.cells.end() || it->second != value) delta.set[cell] = value;
        }
        for (const auto& [cell, value] : older.cells) {
            if (!newer.cells.contains(cell)) delta.removed.push_back(cell);
        }
        return delta;
    }
    static void update(board::Board& board, const Delta& delta) {
        ++board::board_updates;
        board.tick = delta.tick;
        for (const auto& [cell, value] : delta.set) board.cells[cell] = value;
        for (auto cell : delta.removed) board.cells.erase(cell);
    }
};

template <>
struct tarnwick::GameTraits<board::Board> {
    using Event = board::Mark;
    using DebugData = board::Drawing;
};

template <>
struct tarnwick::app::history::RendererExtraDataTraits<board::Trail> {
    static board::Trail create(const board::Board& state) { return {{"new " + std::to_string(state.tick)}}; }
    static void update(board::Trail& trail, const std::vector<board::Mark>& events, const board::Board& previous,
                       const board::Board& next) {
        trail.lines.push_back(std::to_string(previous.tick) + "->" + std::to_string(next.tick) + " with " +
                              std::to_string(events.size()));
    }
};

namespace {

namespace history = tarnwick::app::history;
using board::Board;
using board::Mark;
using board::Trail;
using History = history::History<Board, Trail>;
using DrawingCommand = tarnwick::debug::DebugCommand<board::Drawing>;
using PlayerData = history::PlayerDebugData<board::Drawing>;
using Cells = std::map<std::int32_t, std::int32_t>;

// ---------------------------------------------------------------------------
// Whole values or deltas

struct EntryStep {
    Cells next;
    bool full;
    std::uint64_t total;
};

struct EntryRuleCase {
    std::string name;
    Cells first;
    std::vector<EntryStep> steps;
};

// Measured sizes: a board is 16 + 8 per cell; a delta 24 + 8 per set cell +
// 4 per removed cell.
TEST(HistoryEntries, StoresAWholeValueOnlyWhenCheaperThanTheDeltasSinceTheLastOne) {
    const Cells four{{1, 1}, {2, 2}, {3, 3}, {4, 4}};
    Cells ten;
    for (std::int32_t cell = 0; cell < 10; ++cell) ten[cell] = cell;
    const std::vector<EntryRuleCase> cases = {
        {"small changes add up until a whole value is cheaper",
         four,
         {{{{1, 9}, {2, 2}, {3, 3}, {4, 4}}, false, 32},
          {{{1, 9}, {2, 9}, {3, 3}, {4, 4}}, true, 0},
          {{{1, 9}, {2, 9}, {3, 9}, {4, 4}}, false, 32}}},
        {"equal sizes store the delta", four, {{{{1, 1}, {2, 2}}, false, 32}}},
        {"a large delta stores a whole value at once", ten, {{{{0, 0}}, true, 0}}},
    };
    for (const auto& c : cases) {
        history::HistoryEntries<Board> entries(Board{0, c.first});
        std::uint64_t tick = 0;
        for (const auto& step : c.steps) {
            entries.push(Board{++tick, step.next});
            const auto& entry = entries.entries().back();
            EXPECT_EQ(std::holds_alternative<history::FullEntry<Board>>(entry), step.full) << c.name << " " << tick;
            EXPECT_EQ(entries.size_total(), step.total) << c.name << " " << tick;
            EXPECT_EQ(entries.last(), (Board{tick, step.next})) << c.name;
        }
        EXPECT_TRUE(std::holds_alternative<history::FullEntry<Board>>(entries.entries().front())) << c.name;
    }
}

// ---------------------------------------------------------------------------
// Snapshots

// State k holds cells 1..k; entries 0 and 3 are whole.
std::vector<Board> counting_states(std::int32_t count) {
    std::vector<Board> states;
    Board board;
    for (std::int32_t k = 0; k < count; ++k) {
        if (k > 0) board.cells[k] = k;
        board.tick = static_cast<board::usize>(k);
        states.push_back(board);
    }
    return states;
}

std::vector<history::HistoryEntry<Board>> entries_with_full_at(const std::vector<Board>& states,
                                                               const std::vector<std::size_t>& full) {
    std::vector<history::HistoryEntry<Board>> entries;
    for (std::size_t k = 0; k < states.size(); ++k) {
        if (std::find(full.begin(), full.end(), k) != full.end()) {
            entries.push_back(history::FullEntry<Board>{states[k]});
        } else {
            entries.push_back(history::DeltaEntry<Board>{kimbly::diff(states[k - 1], states[k])});
        }
    }
    return entries;
}

struct SnapshotMove {
    std::size_t from;
    std::size_t to;
    int updates;  // deltas applied by the move
};

TEST(HistorySnapshot, RebuildsFromTheNearestWholeEntryOnlyWhenItMustGoBack) {
    const auto states = counting_states(7);
    const auto entries = entries_with_full_at(states, {0, 3});
    const std::vector<SnapshotMove> moves = {
        {0, 1, 1},  // forward by one applies one entry
        {1, 2, 1}, {2, 2, 0},
        {2, 5, 2},  // passes the whole entry 3 by taking its value
        {5, 4, 1},  // back: from entry 3
        {6, 2, 2},  // back before a whole entry: from entry 0
        {0, 6, 3},  // from before the last whole entry: jumps to it
        {4, 3, 0},
    };
    for (const auto& move : moves) {
        history::HistorySnapshot<Board> snapshot{states[0], 0};
        snapshot.go_to(move.from, entries);
        // A value handed out (to a frame, to the match thread) stays as it was.
        const auto held = snapshot.value;
        board::board_updates = 0;
        snapshot.go_to(move.to, entries);
        EXPECT_EQ(*snapshot.value, states[move.to]) << move.from << " -> " << move.to;
        EXPECT_EQ(*held, states[move.from]) << move.from << " -> " << move.to;
        EXPECT_EQ(snapshot.index, move.to);
        EXPECT_EQ(board::board_updates, move.updates) << move.from << " -> " << move.to;
    }
}

TEST(HistorySnapshot, StopsWithoutAWholeEntryAtOrBeforeTheIndex) {
    const auto states = counting_states(3);
    auto entries = entries_with_full_at(states, {0});
    entries[0] = history::DeltaEntry<Board>{kimbly::diff(states[0], states[0])};
    history::HistorySnapshot<Board> snapshot{states[0], 0};
    EXPECT_EQ(panic_message([&] { snapshot.go_to(2, entries); }), "Didn't find full entry in history");
}

// ---------------------------------------------------------------------------
// The history of a match

// Tick k sets cell k and drops cell k - 3; its events mark cells k and 100 + k.
struct PlayedHistory {
    std::vector<Board> states;
    std::vector<std::vector<Mark>> events;
    std::vector<Trail> trails;
};

PlayedHistory play(History& history, std::int32_t ticks) {
    PlayedHistory match;
    match.states.push_back(Board{});
    match.trails.push_back(Trail{{"new 0"}});
    auto push = history.tick_handler();
    for (std::int32_t k = 1; k <= ticks; ++k) {
        Board next = match.states.back();
        next.tick = static_cast<board::usize>(k);
        next.cells[k] = k * k;
        next.cells.erase(k - 3);
        std::vector<Mark> events = {{k}, {100 + k}};
        Trail trail = match.trails.back();
        trail.lines.push_back(std::to_string(k - 1) + "->" + std::to_string(k) + " with 2");
        push(next, events);
        match.states.push_back(next);
        match.events.push_back(events);
        match.trails.push_back(trail);
    }
    return match;
}

std::vector<Mark> events_of_ticks(const PlayedHistory& match, std::size_t first, std::size_t last) {
    std::vector<Mark> events;
    for (std::size_t tick = first; tick <= last; ++tick) {
        events.insert(events.end(), match.events[tick - 1].begin(), match.events[tick - 1].end());
    }
    return events;
}

void expect_shows(const History& history, const PlayedHistory& match, std::size_t tick, const std::string& where) {
    auto state = history.current_state();
    EXPECT_EQ(state.game, match.states[tick]) << where;
    EXPECT_EQ(state.renderer_data, match.trails[tick]) << where;
    if (tick == 0) {
        EXPECT_FALSE(state.previous.has_value()) << where;
        EXPECT_TRUE(state.events.empty()) << where;
    } else {
        ASSERT_TRUE(state.previous.has_value()) << where;
        EXPECT_EQ(state.previous->game, match.states[tick - 1]) << where;
        EXPECT_EQ(state.previous->renderer_data, match.trails[tick - 1]) << where;
        EXPECT_EQ(state.events, match.events[tick - 1]) << where;
    }
}

TEST(History, AFreshHistoryShowsTickZeroWithNoPreviousTick) {
    for (double time : {0.0, 0.5, 7.0}) {
        History history(Board{});
        EXPECT_TRUE(history.go_to(time, true).empty());
        auto state = history.current_state();
        EXPECT_EQ(state.game, Board{});
        EXPECT_EQ(state.renderer_data, (Trail{{"new 0"}}));
        EXPECT_FALSE(state.previous.has_value());
        EXPECT_EQ(state.t, 1.0) << time;
        EXPECT_EQ(history.stored_states(), 1u);
    }
}

struct PositionCase {
    double time;
    std::size_t tick;
    double t;
};

TEST(History, ShowsTheTickAtTheCeilingOfThePlaybackTimeClampedToTheNewest) {
    const std::vector<PositionCase> cases = {
        {0.0, 0, 1.0},  {2.25, 3, 0.25}, {3.0, 3, 1.0},
        {12.0, 12, 1.0}, {40.5, 12, 1.0},  // beyond the stored ticks
        {std::numeric_limits<double>::quiet_NaN(), 12, 1.0},
    };
    for (const auto& c : cases) {
        History history(Board{});
        auto match = play(history, 12);
        EXPECT_EQ(history.stored_states(), 13u);
        history.go_to(c.time, false);
        expect_shows(history, match, c.tick, std::to_string(c.time));
        EXPECT_DOUBLE_EQ(history.current_state().t, c.t) << c.time;
    }
}

TEST(History, GoingBackRebuildsTheTickAndTheOneBefore) {
    History history(Board{});
    auto match = play(history, 12);
    for (std::size_t tick = 0; tick <= 10; ++tick) history.go_to(static_cast<double>(tick), true);
    expect_shows(history, match, 10, "at 10");
    EXPECT_TRUE(history.go_to(3.0, true).empty());
    expect_shows(history, match, 3, "back at 3");
    history.go_to(1.0, false);
    expect_shows(history, match, 1, "back at 1");
    history.go_to(0.0, false);
    expect_shows(history, match, 0, "back at 0");
    history.go_to(11.5, false);
    expect_shows(history, match, 12, "forward again");
}

struct EventsCase {
    double from;
    double to;
    bool want;
    std::size_t first_tick;  // 0: none
    std::size_t last_tick;
};

TEST(History, ReturnsTheEventsOfTheTicksPassedOverGoingForward) {
    const std::vector<EventsCase> cases = {
        {3, 5, true, 4, 5},  {3, 5, false, 0, 0}, {5, 3, true, 0, 0},  {3, 3, true, 0, 0},
        {0, 1, true, 1, 1},  {3, 4.5, true, 4, 5}, {9, 40, true, 10, 12},
    };
    for (const auto& c : cases) {
        History history(Board{});
        auto match = play(history, 12);
        history.go_to(c.from, false);
        auto events = history.go_to(c.to, c.want);
        auto expected = c.first_tick ? events_of_ticks(match, c.first_tick, c.last_tick) : std::vector<Mark>{};
        EXPECT_EQ(events, expected) << c.from << " -> " << c.to << " " << c.want;
    }
}

TEST(History, StoresWholeStatesAmongTheDeltasAndStillRebuildsEveryTick) {
    History history(Board{});
    auto match = play(history, 30);
    // Ticks that shrink the board make the deltas add up quickly.
    std::vector<std::size_t> order = {30, 0, 17, 16, 29, 1, 2, 25, 8};
    for (auto tick : order) {
        history.go_to(static_cast<double>(tick), false);
        expect_shows(history, match, tick, "tick " + std::to_string(tick));
    }
}

// ---------------------------------------------------------------------------
// Players' debug data

DrawingCommand add(std::string text) { return DrawingCommand{tarnwick::debug::Add<board::Drawing>{{std::move(text)}}}; }
DrawingCommand clear() { return DrawingCommand{tarnwick::debug::Clear{}}; }
DrawingCommand auto_flush(bool enable) { return DrawingCommand{tarnwick::debug::SetAutoFlush{enable}}; }
DrawingCommand flush() { return DrawingCommand{tarnwick::debug::Flush{}}; }

std::vector<board::Drawing> drawings(std::vector<std::string> texts) {
    std::vector<board::Drawing> result;
    for (auto& text : texts) result.push_back({std::move(text)});
    return result;
}

struct CommandCase {
    std::string name;
    std::vector<DrawingCommand> commands;
    std::vector<std::string> pending;
    std::vector<std::string> shown;
    bool clear;
    bool flushed;
};

TEST(PlayerDebugData, AppliesCommandsWithAndWithoutAutoFlush) {
    const std::vector<CommandCase> cases = {
        {"a fresh record flushes every command", {add("a"), add("b")}, {}, {"a", "b"}, false, true},
        {"without auto-flush items wait", {auto_flush(false), add("a"), add("b")}, {"a", "b"}, {}, false, false},
        {"flush shows the waiting items", {auto_flush(false), add("a"), flush(), add("b")}, {"b"}, {"a"}, false, true},
        {"clear with auto-flush empties at once", {add("a"), clear()}, {}, {}, false, true},
        {"clear without auto-flush waits for the flush",
         {add("a"), auto_flush(false), clear(), add("b")},
         {"b"},
         {"a"},
         true,
         true},
        {"the flush after a clear shows only later items",
         {add("a"), auto_flush(false), clear(), add("b"), flush()},
         {},
         {"b"},
         false,
         true},
        {"clear drops the waiting items", {auto_flush(false), add("a"), clear(), flush()}, {}, {}, false, true},
        {"switching auto-flush back on flushes", {auto_flush(false), add("a"), auto_flush(true)}, {}, {"a"}, false,
         true},
    };
    for (const auto& c : cases) {
        PlayerData data;
        for (const auto& command : c.commands) data.apply(command);
        EXPECT_EQ(data.pending, drawings(c.pending)) << c.name;
        EXPECT_EQ(data.shown, drawings(c.shown)) << c.name;
        EXPECT_EQ(data.clear, c.clear) << c.name;
        EXPECT_EQ(data.flushed, c.flushed) << c.name;
    }
}

TEST(History, KeepsEachTicksDebugDataAndTheDebugUpdateDataApart) {
    History history(Board{});
    auto command = history.debug_command_handler();
    command(0, false, add("tick 0 of player 0"));
    command(1, false, add("tick 0 of player 1"));
    command(1, true, add("update of player 1"));
    history.tick_handler()(Board{1, {}}, {});
    command(0, false, add("tick 1 of player 0"));
    history.tick_handler()(Board{2, {}}, {});

    history.go_to(1, false);
    auto state = history.current_state();
    ASSERT_EQ(state.debug_data.size(), 1u);
    EXPECT_EQ(state.debug_data.at(0).shown, drawings({"tick 1 of player 0"}));
    ASSERT_TRUE(state.previous.has_value());
    ASSERT_EQ(state.previous->debug_data.size(), 2u);
    EXPECT_EQ(state.previous->debug_data.at(1).shown, drawings({"tick 0 of player 1"}));
    // Data sent during debug updates stays out of every tick.
    ASSERT_EQ(state.debug_update_data.size(), 1u);
    EXPECT_EQ(state.debug_update_data.at(1).shown, drawings({"update of player 1"}));

    // The setting of a tick does not carry over to the next tick's record.
    command(0, false, auto_flush(false));
    history.tick_handler()(Board{3, {}}, {});
    command(0, false, add("shown at once"));
    history.go_to(2, false);
    EXPECT_EQ(history.current_state().debug_data.size(), 1u);  // tick 2's map: only the setting
    history.go_to(3, false);
    history.go_to(3, false);
    EXPECT_EQ(history.current_state().debug_data.at(0).shown, drawings({"shown at once"}));
}

TEST(History, TheNewestTickKeepsThePreviousDataUntilSomePlayerFlushes) {
    History history(Board{});
    auto command = history.debug_command_handler();
    command(0, false, add("before"));
    history.tick_handler()(Board{1, {}}, {});
    command(0, false, auto_flush(false));
    command(0, false, add("after"));

    history.go_to(1, false);
    auto held = history.current_state();
    EXPECT_EQ(held.debug_data.at(0).shown, drawings({"before"}));
    ASSERT_TRUE(held.previous.has_value());
    EXPECT_EQ(held.previous->debug_data.at(0).shown, drawings({"before"}));

    command(1, false, flush());  // any player's flush ends the hold
    history.go_to(1, false);
    auto current = history.current_state();
    EXPECT_EQ(current.debug_data.at(0).pending, drawings({"after"}));
    EXPECT_TRUE(current.debug_data.at(0).shown.empty());
    EXPECT_EQ(current.previous->debug_data.at(0).shown, drawings({"before"}));
}

TEST(History, TheHoldOfThePreviousDataEndsAfterHalfASecond) {
    test_support::FakeClock clock;
    History history(Board{}, clock.source());
    auto command = history.debug_command_handler();
    command(0, false, add("before"));
    history.tick_handler()(Board{1, {}}, {});
    command(0, false, auto_flush(false));
    command(0, false, add("after"));
    // Time before the tick is shown does not count.
    clock.advance(std::chrono::seconds(1));
    history.go_to(1, false);
    clock.advance(std::chrono::milliseconds(500) - std::chrono::nanoseconds(1));
    history.go_to(1, false);
    EXPECT_EQ(history.current_state().debug_data.at(0).shown, drawings({"before"}));
    clock.advance(std::chrono::nanoseconds(1));
    history.go_to(1, false);
    EXPECT_EQ(history.current_state().debug_data.at(0).pending, drawings({"after"}));
}

// ---------------------------------------------------------------------------
// Game logs

std::vector<std::byte> saved(const History& history) {
    std::vector<std::byte> bytes;
    pakko::VecWriter writer(bytes);
    EXPECT_EQ(history.save(writer), std::nullopt);
    return bytes;
}

// Reads a log in its plain form: the first state, then events and delta per tick.
PlayedHistory read_log(const std::vector<std::byte>& bytes) {
    pakko::MemoryReader reader(bytes);
    PlayedHistory match;
    match.states.push_back(pakko::read<Board>(reader));
    while (reader.remaining() > 0) {
        match.events.push_back(pakko::read<std::vector<Mark>>(reader));
        Board next = match.states.back();
        kimbly::update(next, pakko::read<board::BoardDelta>(reader));
        match.states.push_back(next);
    }
    return match;
}

TEST(HistorySave, WritesEveryTickAsADeltaFromTheTickBefore) {
    for (std::int32_t ticks : {0, 1, 30}) {
        History history(Board{});
        auto match = play(history, ticks);
        auto bytes = saved(history);
        auto read = read_log(bytes);
        EXPECT_EQ(read.states, match.states) << ticks;
        EXPECT_EQ(read.events, match.events) << ticks;
        if (ticks == 0) {
            EXPECT_EQ(bytes, pakko::to_bytes(Board{}));
        }
    }
}

class FailingWriter final : public pakko::Writer {
public:
    explicit FailingWriter(std::size_t room) : room_(room) {}
    void write_all(std::span<const std::byte> bytes) override {
        if (bytes.size() > room_) throw pakko::IoError(pakko::ErrorKind::Os, "No space left on device");
        room_ -= bytes.size();
    }
    void flush() override {}

private:
    std::size_t room_;
};

TEST(HistorySave, ReturnsTheFirstWriteErrorAndLeavesTheHistoryUsable) {
    History history(Board{});
    play(history, 5);
    for (std::size_t room : {0, 20, 100}) {
        FailingWriter writer(room);
        auto error = history.save(writer);
        ASSERT_TRUE(error.has_value()) << room;
        EXPECT_EQ(std::string(error->what()), "No space left on device");
    }
    history.tick_handler()(Board{6, {}}, {});
    EXPECT_EQ(history.stored_states(), 7u);
}

class TempFile {
public:
    TempFile() : path_(std::filesystem::temp_directory_path() / ("history_test_" + std::to_string(::getpid()) + "_" +
                                                                  std::to_string(counter_++) + ".log")) {}
    ~TempFile() { std::filesystem::remove(path_); }
    const std::filesystem::path& path() const { return path_; }
    void write(const std::vector<std::byte>& bytes) const {
        std::ofstream out(path_, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }

private:
    static inline int counter_ = 0;
    std::filesystem::path path_;
};

TEST(HistoryLoad, ReadsTheLogIntoTheHistoryWhileItIsShown) {
    History live(Board{});
    auto match = play(live, 40);
    auto bytes = saved(live);
    // Cut inside the last tick record, exactly after one, and not at all.
    const std::size_t tick_39_end = bytes.size() - pakko::to_bytes(match.events[39]).size() -
                                    pakko::to_bytes(kimbly::diff(match.states[39], match.states[40])).size();
    struct Cut {
        std::size_t size;
        std::size_t ticks;
    };
    for (const auto& cut : {Cut{bytes.size(), 40}, Cut{tick_39_end, 39}, Cut{bytes.size() - 1, 39},
                            Cut{pakko::to_bytes(Board{}).size(), 0}}) {
        TempFile file;
        file.write(std::vector<std::byte>(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(cut.size)));
        const std::size_t baseline = live_threads::count();
        auto loaded = History::load(file.path());
        expect_shows(loaded, match, 0, "just loaded");
        // The reader ends by itself at the end of the file or at the cut.
        ASSERT_TRUE(live_threads::back_to(baseline)) << cut.size;
        EXPECT_EQ(loaded.stored_states(), cut.ticks + 1) << cut.size;
        for (std::size_t tick = 0; tick <= cut.ticks; ++tick) {
            loaded.go_to(static_cast<double>(tick), false);
            expect_shows(loaded, match, tick, "loaded tick " + std::to_string(tick));
        }
    }
}

// A game log of `ticks` ticks, each setting one cell, written straight.
std::vector<std::byte> log_of(std::size_t ticks) {
    std::vector<std::byte> bytes;
    pakko::VecWriter out(bytes);
    pakko::write(out, Board{});
    for (std::size_t tick = 1; tick <= ticks; ++tick) {
        pakko::write(out, std::vector<Mark>{});
        pakko::write(out, board::BoardDelta{tick, {{0, static_cast<std::int32_t>(tick)}}, {}});
    }
    return bytes;
}

TEST(HistoryLoad, DroppingTheHistoryStopsItsReaderWhileItReadsOrWaitsOnTheFile) {
    const std::size_t baseline = live_threads::count();
    {
        // Far more ticks than are read before the drop.
        constexpr std::size_t TICKS = 100'000;
        TempFile file;
        file.write(log_of(TICKS));
        auto loaded = History::load(file.path());
        ASSERT_LT(loaded.stored_states(), TICKS + 1);
    }
    EXPECT_TRUE(live_threads::back_to(baseline));
    {
        // A pipe whose writer stays but never writes again: the reader waits.
        TempFile fifo;
        ASSERT_EQ(::mkfifo(fifo.path().c_str(), 0600), 0);
        const int writer = ::open(fifo.path().c_str(), O_RDWR | O_CLOEXEC);
        ASSERT_GE(writer, 0);
        const auto bytes = log_of(3);
        ASSERT_EQ(::write(writer, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
        {
            auto loaded = History::load(fifo.path());
            // The reader tells nobody what it has read: the history is asked.
            ASSERT_TRUE(test_support::poll_until([&] { return loaded.stored_states() == 4; }));
        }
        ::close(writer);
    }
    EXPECT_TRUE(live_threads::back_to(baseline));
}

TEST(HistoryLoad, ThrowsWhenTheFileOrItsFirstStateCannotBeRead) {
    TempFile missing;
    EXPECT_THROW(History::load(missing.path()), pakko::IoError);
    TempFile cut;
    auto first = pakko::to_bytes(Board{3, {{1, 1}}});
    first.pop_back();
    cut.write(first);
    EXPECT_THROW(History::load(cut.path()), pakko::IoError);
}

}  // namespace
