#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <future>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <type_traits>
#include <utility>
#include <vector>

#include <kimbly/panic.hpp>
#include <kimbly/thread.hpp>
#include <test_support/waits.hpp>

#include "fake_game.hpp"
#include "tarnwick/processor/background.hpp"
#include "tarnwick/processor/game_processor.hpp"

namespace {

using G = fake::Game;
using Processor = tarnwick::processor::GameProcessor<G>;
using Background = tarnwick::processor::background::BackgroundGameProcessor<G>;
using Handlers = tarnwick::player::DebugHandlersOf<G>;
using DebugInterface = tarnwick::player::DebugInterfaceOf<G>;
using Command = tarnwick::player::DebugCommandOf<G>;
using namespace std::chrono_literals;

constexpr auto PATIENCE = 10s;

// A door a player thread can be held at until the test opens it.
class Gate {
public:
    void wait() {
        std::unique_lock lock(mutex_);
        arrived_ = true;
        changed_.notify_all();
        changed_.wait(lock, [&] { return open_; });
    }
    bool wait_arrival() {
        std::unique_lock lock(mutex_);
        return changed_.wait_for(lock, PATIENCE, [&] { return arrived_; });
    }
    void open() {
        std::lock_guard lock(mutex_);
        open_ = true;
        changed_.notify_all();
    }

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    bool arrived_ = false;
    bool open_ = false;
};

// What the match did, as the players and the tick handler saw it.
class Log {
public:
    template <class F>
    auto with(F&& f) {
        std::lock_guard lock(mutex_);
        changed_.notify_all();
        return f(*this);
    }
    bool wait_until(const std::function<bool(Log&)>& done) {
        std::unique_lock lock(mutex_);
        return changed_.wait_for(lock, PATIENCE, [&] { return done(*this); });
    }

    // Per player: the tick of every view it got in a debug update.
    std::vector<std::vector<fake::usize>> debug_views = std::vector<std::vector<fake::usize>>(2);
    std::vector<int> actions = std::vector<int>(2);
    std::vector<bool> had_debug_interface;
    std::vector<G> pushed;
    std::vector<std::vector<fake::Event>> pushed_events;
    std::vector<std::pair<std::size_t, bool>> commands;
    int players_destroyed = 0;

private:
    std::mutex mutex_;
    std::condition_variable changed_;
};

class FakePlayer final : public tarnwick::player::Player<G> {
public:
    FakePlayer(std::shared_ptr<Log> log, std::size_t index) : log_(std::move(log)), index_(index) {}
    ~FakePlayer() override {
        log_->with([&](Log& log) { return ++log.players_destroyed; });
    }

    // Held at the gate in its get_action of that tick (1-based).
    void hold_action(int tick, std::shared_ptr<Gate> gate) {
        hold_tick_ = tick;
        action_gate_ = std::move(gate);
    }
    void hold_debug_update(std::shared_ptr<Gate> gate) { update_gate_ = std::move(gate); }
    // Its interrupt opens the gates, and a call held there then fails, as a
    // player whose program's connection is shut down does.
    void make_interruptible() { interruptible_ = true; }

    tarnwick::player::Interrupt interrupter() override {
        if (!interruptible_) return nullptr;
        return [gates = std::vector{action_gate_, update_gate_}, cut = cut_] {
            *cut = true;
            for (const auto& gate : gates) {
                if (gate) gate->open();
            }
        };
    }

    fake::Action get_action(const fake::View&, DebugInterface* debug) override {
        int call = log_->with([&](Log& log) {
            log.had_debug_interface.push_back(debug != nullptr);
            return ++log.actions[index_];
        });
        if (debug) debug->send(Command{tarnwick::debug::Flush{}});
        if (action_gate_ && call == hold_tick_) action_gate_->wait();
        fail_if_cut();
        return {};
    }

    void debug_update(const fake::View& view, DebugInterface& debug) override {
        if (update_gate_) update_gate_->wait();
        fail_if_cut();
        debug.send(Command{tarnwick::debug::Clear{}});
        log_->with([&](Log& log) {
            log.debug_views[index_].push_back(view.tick);
            return 0;
        });
    }

private:
    void fail_if_cut() const {
        if (*cut_) throw tarnwick::player::PlayerError(pakko::IoError(pakko::ErrorKind::UnexpectedEof, "shut down"));
    }

    std::shared_ptr<Log> log_;
    std::size_t index_;
    bool interruptible_ = false;
    std::shared_ptr<std::atomic<bool>> cut_ = std::make_shared<std::atomic<bool>>(false);
    int hold_tick_ = 0;
    std::shared_ptr<Gate> action_gate_;
    std::shared_ptr<Gate> update_gate_;
};

struct BackgroundMatch {
    std::shared_ptr<Log> log = std::make_shared<Log>();
    FakePlayer* first = nullptr;
    FakePlayer* second = nullptr;
    std::optional<Processor> processor;
};

BackgroundMatch new_match(fake::usize max_ticks) {
    BackgroundMatch match;
    tarnwick::processor::PlayerSlots<G> slots;
    auto first = std::make_unique<FakePlayer>(match.log, 0);
    auto second = std::make_unique<FakePlayer>(match.log, 1);
    match.first = first.get();
    match.second = second.get();
    slots.push_back(std::move(first));
    slots.push_back(std::move(second));
    match.processor.emplace(7, fake::Options{max_ticks}, std::move(slots));
    return match;
}

Handlers recording_handlers(const std::shared_ptr<Log>& log) {
    return Handlers{[log](std::size_t index, bool in_update, Command) {
                        log->with([&](Log& l) {
                            l.commands.emplace_back(index, in_update);
                            return 0;
                        });
                    },
                    [](std::size_t index) { return fake::DebugState{index}; }};
}

Background start(BackgroundMatch& match, std::optional<Handlers> handlers) {
    auto log = match.log;
    return Background(
        std::move(*match.processor),
        [log](const G& state, std::vector<fake::Event> events) {
            log->with([&](Log& l) {
                l.pushed.push_back(state);
                l.pushed_events.push_back(std::move(events));
                return 0;
            });
        },
        std::move(handlers));
}

std::size_t pushed(Log& log) { return log.pushed.size(); }
std::size_t updates(Log& log) { return log.debug_views[0].size(); }

G shown_at(fake::usize tick) { return G{tick, 20, 0, {0, 0}}; }

TEST(BackgroundGameProcessor, ProceedWithNoTicksOnlySendsDebugUpdatesOfTheShownState) {
    auto match = new_match(20);
    auto log = match.log;
    Background background = start(match, recording_handlers(log));
    EXPECT_EQ(background.player_count(), 2u);
    // Nothing shown yet: the processor's own game.
    ASSERT_TRUE(log->wait_until([](Log& l) { return updates(l) == 1 && l.debug_views[1].size() == 1; }));
    for (fake::usize frame = 1; frame <= 3; ++frame) {
        background.proceed(std::make_shared<const G>(shown_at(10 + frame)), 0);
        ASSERT_TRUE(log->wait_until([&](Log& l) { return l.debug_views[1].size() == frame + 1; }));
    }
    ASSERT_FALSE(background.stop());
    log->with([](Log& l) {
        for (const auto& views : l.debug_views) EXPECT_EQ(views, (std::vector<fake::usize>{0, 11, 12, 13}));
        EXPECT_TRUE(l.pushed.empty());
        EXPECT_EQ(l.actions, (std::vector<int>{0, 0}));
        // Commands of debug updates are marked as such.
        EXPECT_EQ(l.commands.size(), 8u);
        for (const auto& [index, in_update] : l.commands) EXPECT_TRUE(in_update);
        return 0;
    });
}

TEST(BackgroundGameProcessor, ProceedPlaysExactlyTheTicksAskedForWithADebugUpdateBeforeEach) {
    auto match = new_match(20);
    auto log = match.log;
    Background background = start(match, recording_handlers(log));
    ASSERT_TRUE(log->wait_until([](Log& l) { return updates(l) == 1; }));
    background.proceed(nullptr, 3);
    ASSERT_TRUE(log->wait_until([](Log& l) { return pushed(l) == 3 && updates(l) == 5; }));
    ASSERT_FALSE(background.stop());
    log->with([](Log& l) {
        EXPECT_EQ(l.pushed.size(), 3u);
        for (std::size_t k = 0; k < l.pushed.size(); ++k) {
            EXPECT_EQ(l.pushed[k].tick, k + 1);
            EXPECT_EQ(l.pushed_events[k].size(), 2u);
        }
        // Each pass shows the state the players are about to play on.
        EXPECT_EQ(l.debug_views[0], (std::vector<fake::usize>{0, 0, 1, 2, 3}));
        EXPECT_EQ(l.had_debug_interface, std::vector<bool>(6, true));
        return 0;
    });
}

struct BudgetDuringTick {
    std::int32_t stored;
    std::size_t ticks;
};

TEST(BackgroundGameProcessor, ABudgetStoredDuringATickNeverRaisesWhatWasAskedBefore) {
    for (const auto& c : {BudgetDuringTick{0, 2}, BudgetDuringTick{1, 3}, BudgetDuringTick{5, 3}}) {
        auto match = new_match(20);
        auto log = match.log;
        auto gate = std::make_shared<Gate>();
        match.first->hold_action(2, gate);
        Background background = start(match, recording_handlers(log));
        background.proceed(nullptr, 3);
        ASSERT_TRUE(gate->wait_arrival());
        background.proceed(nullptr, c.stored);
        gate->open();
        // The pass after the last tick shows it; a tick too many would follow at once.
        ASSERT_TRUE(log->wait_until([&](Log& l) { return updates(l) > 0 && l.debug_views[0].back() == c.ticks; }))
            << c.stored;
        ASSERT_FALSE(background.stop());
        EXPECT_EQ(log->with(pushed), c.ticks) << c.stored;
    }
}

TEST(BackgroundGameProcessor, AFinishedGameOnlyCostsDebugUpdates) {
    auto match = new_match(2);
    auto log = match.log;
    Background background = start(match, recording_handlers(log));
    background.proceed(nullptr, 5);
    ASSERT_TRUE(log->wait_until([](Log& l) { return pushed(l) == 2; }));
    for (std::int32_t ticks : {0, 3}) {
        // A shown state of its own marks the passes this call caused.
        const auto shown = std::make_shared<const G>(shown_at(50 + static_cast<fake::usize>(ticks)));
        background.proceed(shown, ticks);
        ASSERT_TRUE(log->wait_until([&](Log& l) { return l.debug_views[0].back() == shown->tick; }));
    }
    ASSERT_FALSE(background.stop());
    EXPECT_EQ(log->with(pushed), 2u);
}

TEST(BackgroundGameProcessor, WithoutDebugHandlersPlayersGetNoDebugFacilities) {
    auto match = new_match(20);
    auto log = match.log;
    Background background = start(match, std::nullopt);
    background.proceed(nullptr, 2);
    ASSERT_TRUE(log->wait_until([](Log& l) { return pushed(l) == 2; }));
    ASSERT_FALSE(background.stop());
    log->with([](Log& l) {
        EXPECT_TRUE(l.debug_views[0].empty());
        EXPECT_EQ(l.had_debug_interface, std::vector<bool>(4, false));
        return 0;
    });
}

TEST(BackgroundGameProcessor, StoppingWaitsForTheTickInProgressAndReleasesThePlayers) {
    auto match = new_match(20);
    auto log = match.log;
    auto gate = std::make_shared<Gate>();
    match.second->hold_action(1, gate);
    Background background = start(match, recording_handlers(log));
    background.proceed(nullptr, 1);
    ASSERT_TRUE(gate->wait_arrival());
    std::pair<std::size_t, int> at_return{};
    test_support::Count requested;
    kimbly::Thread stopper("stopper", [&] {
        background.request_stop();
        requested.add();
        EXPECT_FALSE(background.stop());
        at_return = log->with([](Log& l) { return std::pair(l.pushed.size(), l.players_destroyed); });
    });
    // The request comes while the tick is held; the tick must still end.
    EXPECT_TRUE(requested.wait_for(1));
    gate->open();
    EXPECT_FALSE(stopper.join());
    EXPECT_EQ(at_return, std::pair(std::size_t{1}, 2));
}

// A player program that neither answers nor reads must not hold the stop:
// its request is cut off, the tick it held is not played, and the player
// is not taken for crashed (nothing is logged or commented).
TEST(BackgroundGameProcessor, StoppingCutsOffAPlayerThatKeepsTheMatchWaiting) {
    for (const bool in_debug_update : {false, true}) {
        SCOPED_TRACE(in_debug_update ? "in a debug update" : "asked for its action");
        auto match = new_match(20);
        auto log = match.log;
        auto gate = std::make_shared<Gate>();
        if (in_debug_update) {
            match.second->hold_debug_update(gate);
        } else {
            match.second->hold_action(1, gate);
        }
        match.second->make_interruptible();
        Background background = start(match, recording_handlers(log));
        background.proceed(nullptr, 1);
        ASSERT_TRUE(gate->wait_arrival());
        // Never opened by the test: only the stop can end the wait.
        EXPECT_FALSE(background.stop());
        log->with([](Log& l) {
            EXPECT_TRUE(l.pushed.empty());
            EXPECT_EQ(l.players_destroyed, 2);
            return 0;
        });
    }
}

TEST(BackgroundGameProcessor, ProceedDoesNotWaitForAPlayersDebugUpdate) {
    auto match = new_match(20);
    auto log = match.log;
    auto gate = std::make_shared<Gate>();
    match.first->hold_debug_update(gate);
    Background background = start(match, recording_handlers(log));
    ASSERT_TRUE(gate->wait_arrival());
    // A player program paused in a debugger must not freeze the viewer.
    auto frame = std::async(std::launch::async, [&] {
        background.proceed(std::make_shared<const G>(shown_at(4)), 0);
    });
    bool returned = frame.wait_for(2s) == std::future_status::ready;
    gate->open();
    frame.get();
    EXPECT_TRUE(returned);
}

// A destructor that could throw would be one that could stop the program.
static_assert(std::is_nothrow_destructible_v<Background>);

TEST(BackgroundGameProcessor, StopTellsThatTheThreadEndedByAFatalStopAndDroppingStaysSilent) {
    for (const bool call_stop : {true, false}) {
        auto match = new_match(20);
        auto log = match.log;
        std::optional<Background> background;
        background.emplace(
            std::move(*match.processor),
            [](const G&, std::vector<fake::Event>) { kimbly::panic("Failed to write replay"); }, std::nullopt);
        background->proceed(nullptr, 1);
        ASSERT_TRUE(log->wait_until([](Log& l) { return l.players_destroyed == 2; }));
        if (call_stop) {
            EXPECT_TRUE(background->stop());
            EXPECT_TRUE(background->stop()) << "asked again";
        }
        background.reset();
    }
}

}  // namespace
