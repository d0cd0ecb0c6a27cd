#pragma once
// Plays a match on a thread of its own for the viewer, only as far as the
// viewer asks: each frame it hands over how many more ticks it wants (the
// tick budget) and the state it shows, which the players get as a debug
// update on every pass of the thread's loop.
#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <stop_token>
#include <string_view>
#include <utility>
#include <vector>

#include <kimbly/panic.hpp>
#include <kimbly/poison_mutex.hpp>
#include <kimbly/thread.hpp>

#include "tarnwick/game.hpp"
#include "tarnwick/player.hpp"
#include "tarnwick/processor/game_processor.hpp"

namespace tarnwick::processor::background {

inline constexpr std::string_view STOP_FAILED = "Failed to stop game processor thread";

// A wake-up token for one sleeping thread: a wake that arrives while the
// thread is awake is remembered, and its next park returns at once.
class Parker {
public:
    void park();
    void unpark();

private:
    std::mutex mutex_;
    std::condition_variable woken_;
    bool token_ = false;
};

// Receives each played tick: the state after it and its events.
template <Game G>
using HistoryTickHandler = std::function<void(const G& state, std::vector<EventOf<G>> events)>;

namespace detail {

template <Game G>
class BackgroundGameProcessor {
public:
    // Without debug handlers the players get no debug interface and no
    // debug updates.
    BackgroundGameProcessor(GameProcessor<G> processor, HistoryTickHandler<G> push_tick,
                            std::optional<player::DebugHandlersOf<G>> handlers)
        : player_count_(processor.player_count()), shared_(std::make_shared<Shared>()) {
        auto context = std::make_shared<Context>(
            Context{std::move(processor), std::move(push_tick), std::move(handlers), shared_});
        thread_ = kimbly::Thread("game processor", [context](const std::stop_token& stop) mutable {
            // Owned by the body alone, so that the processor and its players
            // go when the thread ends, whichever way it ends.
            auto owned = std::move(context);
            Shared& shared = *owned->shared;
            // A player program that neither answers nor reads would otherwise
            // hold the stop for as long as it likes.
            std::stop_callback on_stop(
                stop, [&shared, interrupters = owned->processor.interrupters(stop)] {
                    shared.budget.exchange(-1);
                    shared.parker.unpark();
                    for (const auto& interrupt : interrupters) interrupt();
                });
            run(*owned);
        });
    }

    BackgroundGameProcessor(const BackgroundGameProcessor&) = delete;
    BackgroundGameProcessor& operator=(const BackgroundGameProcessor&) = delete;

    // Stops the thread as stop() does, but how it ended is left untold: a
    // destructor has nobody to tell and must never stop the program.
    ~BackgroundGameProcessor() = default;

    // Stops the thread and waits for it. A tick in progress whose players
    // have not all answered is left unplayed: their programs are cut off
    // rather than waited for. True when it had ended by a fatal stop,
    // which the caller answers, typically by stopping with STOP_FAILED. Later
    // calls give the same answer.
    [[nodiscard]] bool stop() {
        request_stop();
        return thread_.join();
    }

    // Asks the thread to stop as stop() does without waiting for it; stop()
    // then waits.
    void request_stop() noexcept { thread_.request_stop(); }

    std::size_t player_count() const { return player_count_; }

    // `ticks`: how many more ticks may be played, replacing what was left.
    // `shown` (the current state when null) is shared, never copied: it must
    // stay unchanged while anyone holds it.
    void proceed(std::shared_ptr<const G> shown, std::int32_t ticks) {
        // The thread only ever holds the lock to take the pointer, never
        // during a player's debug update.
        *shared_->shown.lock() = std::move(shown);
        shared_->budget.exchange(ticks);
        shared_->asked.fetch_add(1);
        shared_->parker.unpark();
    }

    // Whether the thread has done all that the last proceed asked and waits
    // for the next, for whoever must know that nothing more will happen.
    bool idle() const { return shared_->answered.load() == shared_->asked.load(); }

private:
    struct Shared {
        // -1 stops the thread; only its stop request stores it.
        std::atomic<std::int32_t> budget{0};
        kimbly::PoisonMutex<std::shared_ptr<const G>> shown;
        Parker parker;
        // Counts of the calls of proceed, and of those the thread has done.
        std::atomic<std::uint64_t> asked{0};
        std::atomic<std::uint64_t> answered{0};
    };

    struct Context {
        GameProcessor<G> processor;
        HistoryTickHandler<G> push_tick;
        std::optional<player::DebugHandlersOf<G>> handlers;
        std::shared_ptr<Shared> shared;
    };

    static void run(Context& context) {
        Shared& shared = *context.shared;
        auto& processor = context.processor;
        auto* handlers = context.handlers ? &*context.handlers : nullptr;
        while (true) {
            // Read before the budget, which proceed stores before counting.
            const std::uint64_t asked = shared.asked.load();
            std::int32_t budget = shared.budget.load();
            if (budget < 0) break;
            if (handlers) {
                std::shared_ptr<const G> shown = *shared.shown.lock();
                processor.debug_update(shown.get(), *handlers);
            }
            if (budget == 0 || !shared.budget.compare_exchange_strong(budget, budget - 1)) {
                if (budget == 0) shared.answered.store(asked);
                shared.parker.park();
                continue;
            }
            if (processor.strategy().finished()) continue;
            std::vector<EventOf<G>> events = processor.process_tick(handlers);
            context.push_tick(processor.strategy().game(), std::move(events));
            // A budget stored during the tick may lower what was asked
            // before it, never raise it; -1 always stays.
            const std::int32_t ceiling = budget - 1;
            std::int32_t current = shared.budget.load();
            while (current > ceiling && !shared.budget.compare_exchange_weak(current, ceiling)) {
            }
        }
    }

    std::size_t player_count_;
    std::shared_ptr<Shared> shared_;
    kimbly::Thread thread_;
};

}  // namespace detail

using detail::BackgroundGameProcessor;

}  // namespace tarnwick::processor::background
