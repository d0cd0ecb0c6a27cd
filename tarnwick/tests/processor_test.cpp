#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "test_support/log_capture.hpp"
#include "fake_game.hpp"
#include "tarnwick/player/simple.hpp"
#include "tarnwick/processor/game_processor.hpp"
#include "test_support/panic_message.hpp"

using test_support::panic_message;

namespace {

using G = fake::Game;
using Processor = tarnwick::processor::GameProcessor<G>;
using tarnwick::player::DebugHandlersOf;
using tarnwick::player::DebugInterfaceOf;
using tarnwick::player::PlayerError;

// What the players saw, in the order it happened.
struct Call {
    std::string kind;  // "get_action", "debug_update" or "drop"
    std::size_t index = 0;
    fake::usize view_tick = 0;
    bool has_debug = false;
    bool in_debug_update = false;
    bool operator==(const Call&) const = default;
    friend void PrintTo(const Call& call, std::ostream* out) {
        *out << call.kind << "(" << call.index << ", tick " << call.view_tick << ", debug " << call.has_debug
             << ", in update " << call.in_debug_update << ")";
    }
};
using CallLog = std::shared_ptr<std::vector<Call>>;

class ScriptedPlayer final : public tarnwick::player::Player<G> {
public:
    struct Script {
        std::optional<fake::usize> fail_in_tick = std::nullopt;  // counted from 1
        bool fail_in_debug_update = false;
        std::int32_t points = 0;
    };

    ScriptedPlayer(std::size_t index, CallLog log, Script script) : index_(index), log_(log), script_(script) {}
    ~ScriptedPlayer() override { log_->push_back({"drop", index_, 0, false, false}); }

    fake::Action get_action(const fake::View& view, DebugInterfaceOf<G>* debug) override {
        EXPECT_EQ(view.player_index, index_);
        log_->push_back({"get_action", index_, view.tick, debug != nullptr, debug && debug->in_debug_update()});
        if (debug) {
            EXPECT_EQ(debug->player_index(), index_);
        }
        if (script_.fail_in_tick && *script_.fail_in_tick == view.tick + 1) fail();
        fake::Action action;
        if (script_.points != 0) action.values[0] = script_.points;
        return action;
    }

    void debug_update(const fake::View& view, DebugInterfaceOf<G>& debug) override {
        log_->push_back({"debug_update", index_, view.tick, true, debug.in_debug_update()});
        EXPECT_EQ(debug.player_index(), index_);
        if (script_.fail_in_debug_update) fail();
    }

private:
    [[noreturn]] void fail() {
        throw PlayerError(pakko::IoError(pakko::ErrorKind::Other, "boom " + std::to_string(index_)));
    }

    std::size_t index_;
    CallLog log_;
    Script script_;
};

struct Match {
    CallLog log = std::make_shared<std::vector<Call>>();
    std::vector<tarnwick::FullResults<std::vector<fake::usize>>> results;
    std::vector<std::string> order;  // "tick" and "results" as the handlers ran

    tarnwick::processor::PlayerSlots<G> players(const std::vector<ScriptedPlayer::Script>& scripts) {
        tarnwick::processor::PlayerSlots<G> slots;
        for (std::size_t i = 0; i < scripts.size(); ++i) {
            slots.push_back(std::make_unique<ScriptedPlayer>(i, log, scripts[i]));
        }
        return slots;
    }

    Processor start(const std::vector<ScriptedPlayer::Script>& scripts, fake::usize max_ticks,
                    std::optional<std::uint64_t> seed = 7) {
        Processor processor(seed, fake::Options{max_ticks}, players(scripts));
        processor.set_tick_handler([this](const std::vector<fake::Event>* events, const G&) {
            EXPECT_NE(events, nullptr);
            order.push_back("tick");
        });
        processor.set_results_handler([this](tarnwick::FullResults<std::vector<fake::usize>> full) {
            order.push_back("results");
            results.push_back(std::move(full));
        });
        return processor;
    }

    std::vector<Call> calls_of(std::size_t index, const std::string& kind) const {
        std::vector<Call> out;
        for (const auto& call : *log) {
            if (call.index == index && call.kind == kind) out.push_back(call);
        }
        return out;
    }
};

void play_to_end(Processor& processor, DebugHandlersOf<G>* handlers = nullptr) {
    while (!processor.strategy().finished()) processor.process_tick(handlers);
}

TEST(GameProcessor, SeedPicksTheMatchGenerator) {
    Match match;
    // The fake keeps the generator's first word of the map generation.
    Processor seeded(42, fake::Options{1}, match.players({}));
    EXPECT_EQ(static_cast<std::uint32_t>(seeded.strategy().game().draw), 0xd7b54878u);
    EXPECT_EQ(seeded.seed(), std::optional<std::uint64_t>(42));

    Processor drawn(std::nullopt, fake::Options{1}, match.players({{}}));
    ASSERT_TRUE(drawn.seed().has_value());
    Processor again(*drawn.seed(), fake::Options{1}, match.players({{}}));
    EXPECT_EQ(again.strategy().game(), drawn.strategy().game());

    std::optional<std::uint64_t> reported;
    drawn.set_results_handler([&](auto full) { reported = full.seed; });
    drawn.process_tick(nullptr);
    EXPECT_EQ(reported, drawn.seed());
}

TEST(GameProcessor, ReadyGameStateIsUsedUnchanged) {
    Match match;
    G ready{2, 9, 1234, {5, 6}};
    Processor processor(1, ready, match.players({{}, {}}));
    EXPECT_EQ(processor.strategy().game(), ready);
}

TEST(GameProcessor, GameStateWithFewerPlayersThanSlotsIsRejected) {
    Match match;
    G ready{0, 9, 0, {0}};
    EXPECT_EQ(panic_message([&] { Processor(1, ready, match.players({{}, {}})); }),
              "The game state has 1 players, fewer than the 2 players of the match");
}

TEST(GameProcessor, PlayerFailingInTickFiveIsDroppedAndCommented) {
    Match match;
    auto processor = match.start({{}, {.fail_in_tick = 5}, {}}, 8);
    play_to_end(processor);

    EXPECT_EQ(match.calls_of(1, "get_action").size(), 5u);
    EXPECT_EQ(match.calls_of(0, "get_action").size(), 8u);
    EXPECT_EQ(match.calls_of(2, "get_action").size(), 8u);
    ASSERT_EQ(match.results.size(), 1u);
    const auto& players = match.results[0].players;
    ASSERT_EQ(players.size(), 3u);
    EXPECT_EQ(players[1], (tarnwick::PlayerResult{true, "Player crashed: IO error: boom 1"}));
    EXPECT_EQ(players[0], (tarnwick::PlayerResult{false, std::nullopt}));
    EXPECT_EQ(players[2], (tarnwick::PlayerResult{false, std::nullopt}));
    // Its entities get no more actions: 4 answered ticks, one point each.
    EXPECT_EQ(match.results[0].results, (std::vector<fake::usize>{8, 4, 8}));
}

TEST(GameProcessor, FailuresOfOneTickAreRemovedAfterEveryoneWasAsked) {
    Match match;
    auto processor = match.start({{.fail_in_tick = 1}, {.fail_in_tick = 1}, {.points = 2}}, 3);
    auto events = processor.process_tick(nullptr);

    std::vector<Call> expected{{"get_action", 0, 0, false, false},
                               {"get_action", 1, 0, false, false},
                               {"get_action", 2, 0, false, false},
                               {"drop", 0, 0, false, false},
                               {"drop", 1, 0, false, false}};
    EXPECT_EQ(*match.log, expected);
    EXPECT_EQ(events, (std::vector<fake::Event>{{2, 3}}));
    EXPECT_FALSE(processor.player_alive(0));
    EXPECT_FALSE(processor.player_alive(1));
    EXPECT_TRUE(processor.player_alive(2));
    EXPECT_EQ(processor.comments()[0], "Player crashed: IO error: boom 0");
    EXPECT_EQ(processor.comments()[1], "Player crashed: IO error: boom 1");
}

TEST(GameProcessor, DebugUpdateFailureRemovesThePlayerAtOnce) {
    Match match;
    auto processor = match.start({{.fail_in_debug_update = true}, {}}, 3);
    DebugHandlersOf<G> handlers{[](std::size_t, bool, auto) {}, [](std::size_t i) { return fake::DebugState{i}; }};
    processor.process_tick(&handlers);
    processor.debug_update(nullptr, handlers);
    std::vector<Call> expected{{"get_action", 0, 0, true, false},
                               {"get_action", 1, 0, true, false},
                               {"debug_update", 0, 1, true, true},
                               {"drop", 0, 0, false, false},
                               {"debug_update", 1, 1, true, true}};
    EXPECT_EQ(*match.log, expected);
    processor.process_tick(&handlers);

    EXPECT_EQ(match.calls_of(0, "get_action").size(), 1u);
    EXPECT_EQ(match.calls_of(1, "get_action").size(), 2u);
    EXPECT_EQ(processor.comments()[0], "Player crashed: IO error: boom 0");
    EXPECT_EQ(processor.tick_count(), 2u);
}

TEST(GameProcessor, DebugInterfaceOnlyWithHandlers) {
    Match match;
    auto processor = match.start({{}, {}}, 4);
    DebugHandlersOf<G> handlers{[](std::size_t, bool, auto) {}, [](std::size_t i) { return fake::DebugState{i}; }};
    processor.process_tick(nullptr);
    processor.process_tick(&handlers);
    G shown{0, 4, 0, {0, 0}};
    processor.debug_update(&shown, handlers);
    processor.debug_update(nullptr, handlers);

    std::vector<Call> expected{
        {"get_action", 0, 0, false, false},  {"get_action", 1, 0, false, false},
        {"get_action", 0, 1, true, false},   {"get_action", 1, 1, true, false},
        {"debug_update", 0, 0, true, true},  {"debug_update", 1, 0, true, true},  // the shown state's views
        {"debug_update", 0, 2, true, true},  {"debug_update", 1, 2, true, true},
    };
    EXPECT_EQ(*match.log, expected);
}

TEST(GameProcessor, EmptyPlayerIsNeverRemoved) {
    Match match;
    tarnwick::processor::PlayerSlots<G> players;
    players.push_back(std::make_unique<tarnwick::player::EmptyPlayer<G>>());
    Processor processor(3, fake::Options{5}, std::move(players));
    DebugHandlersOf<G> handlers{[](std::size_t, bool, auto) {}, [](std::size_t i) { return fake::DebugState{i}; }};
    while (!processor.strategy().finished()) {
        auto events = processor.process_tick(&handlers);
        processor.debug_update(nullptr, handlers);
        EXPECT_EQ(events, (std::vector<fake::Event>{{0, 1}}));
    }
    EXPECT_TRUE(processor.player_alive(0));
    EXPECT_EQ(processor.comments()[0], std::nullopt);
}

TEST(GameProcessor, PlayerThatFailedToStartIsCommentedWithBothPrefixes) {
    tarnwick::processor::PlayerSlots<G> players;
    players.push_back(std::make_unique<tarnwick::player::ErroredPlayer<G>>("IO error: connection refused"));
    Processor processor(3, fake::Options{2}, std::move(players));
    processor.process_tick(nullptr);
    EXPECT_FALSE(processor.player_alive(0));
    EXPECT_EQ(processor.comments()[0], "Player crashed: IO error: IO error: connection refused");
}

TEST(GameProcessor, ResultsOnceAfterTheLastTickHandlerThenNoMoreTicks) {
    Match match;
    auto processor = match.start({{}}, 2);
    processor.process_tick(nullptr);
    EXPECT_TRUE(match.results.empty());
    processor.process_tick(nullptr);
    EXPECT_EQ(match.order, (std::vector<std::string>{"tick", "tick", "results"}));
    EXPECT_EQ(panic_message([&] { processor.process_tick(nullptr); }), "assertion failed: !self.finished()");
    EXPECT_EQ(match.results.size(), 1u);
    EXPECT_EQ(processor.tick_count(), 2u);
}

TEST(GameProcessor, GameOverBeforeItsFirstTickReportsItsResultsWhenTheHandlerIsSet) {
    Match match;
    auto processor = match.start({{}, {}}, 0);
    EXPECT_TRUE(processor.strategy().finished());
    ASSERT_EQ(match.results.size(), 1u);
    EXPECT_EQ(match.order, std::vector<std::string>{"results"});
    EXPECT_EQ(match.results[0].seed, std::optional<std::uint64_t>(7));
    EXPECT_EQ(match.results[0].players, (std::vector<tarnwick::PlayerResult>{{false, std::nullopt}, {false, std::nullopt}}));
    EXPECT_EQ(processor.tick_count(), 0u);
    EXPECT_TRUE(match.log->empty()) << "no player was asked anything";
}

TEST(GameProcessor, LogsFailuresAndTickCounts) {
    IN_CHILD_WITH_LOG(kimbly::logger::LevelFilter::Trace, [] {
        Match match;
        auto processor = match.start({{.fail_in_tick = 1}, {}}, 3);
        processor.process_tick(nullptr);
        processor.process_tick(nullptr);
        EXPECT_EQ(test_support::LogCapture::records("tarnwick::processor"),
                  (std::vector<std::string>{"WARN Player error: IO error: boom 0", "TRACE Processed 1 ticks",
                                            "TRACE Processed 2 ticks"}));
    });
}

}  // namespace
