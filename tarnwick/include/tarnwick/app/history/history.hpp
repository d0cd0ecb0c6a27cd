#pragma once
// Every tick of the match the viewer shows, with the renderer's data, the
// events and the players' debug data of each tick. A producer thread pushes
// ticks; the viewer moves its own snapshots to the playback position.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <stop_token>
#include <string_view>
#include <utility>
#include <vector>

#include <kimbly/diff.hpp>
#include <kimbly/panic.hpp>
#include <kimbly/poison_mutex.hpp>
#include <kimbly/thread.hpp>
#include <kimbly/timer.hpp>
#include <pakko/io.hpp>
#include <pakko/pakko.hpp>

#include "tarnwick/app/history/debug_data.hpp"
#include "tarnwick/app/history/entries.hpp"
#include "tarnwick/app/history/renderer_extra.hpp"
#include "tarnwick/app/history/shared_state.hpp"
#include "tarnwick/debug.hpp"
#include "tarnwick/lib/byte_source.hpp"
#include "tarnwick/processor/repeat.hpp"

namespace tarnwick::app::history {

inline constexpr std::string_view REPLAY_READ_FAILED = "Error while reading replay";

// How long the newest tick keeps showing the debug data of the tick before,
// while no player has flushed on it yet: players draw while they think.
inline constexpr double DEBUG_DATA_HOLD_SECONDS = 0.5;

template <class G, class R, class Data>
struct PreviousState {
    const G& game;
    const R& renderer_data;
    const DebugDataMap<Data>& debug_data;
};

// The shown tick; refers into the History's frozen snapshots and is valid
// until its next go_to. Making one copies nothing.
template <class G, class R, class Data, class Event>
struct CurrentState {
    const G& game;
    const R& renderer_data;
    const DebugDataMap<Data>& debug_data;
    std::optional<PreviousState<G, R, Data>> previous;
    const DebugDataMap<Data>& debug_update_data;
    // How far playback has gone from the previous tick to this one, in (0, 1].
    double t;
    const std::vector<Event>& events;
};

template <HistoryGame G, RendererExtraData<G> R>
class History {
public:
    using Event = EventOf<G>;
    using Data = DebugDataOf<G>;
    using SharedState = HistorySharedState<G, R>;
    using State = CurrentState<G, R, Data, Event>;
    using TickHandler = std::function<void(const G& state, std::vector<Event> events)>;
    using DebugCommandHandler =
        std::function<void(std::size_t player_index, bool in_debug_update, debug::DebugCommand<Data> command)>;

    // `now` times the hold of the previous tick's debug data.
    explicit History(const G& initial, kimbly::timer::Timer::Now now = kimbly::timer::Timer::Clock::now)
        : shared_(std::make_shared<kimbly::PoisonMutex<SharedState>>(SharedState(initial))),
          game_(initial, 0),
          renderer_(shared_->lock()->renderer.last(), 0),
          current_debug_data_(std::make_shared<const DebugDataMap<Data>>()),
          debug_update_data_(current_debug_data_),
          timer_(std::move(now)),
          current_events_(std::make_shared<const std::vector<Event>>()) {}

    // Reads the initial state of a game log and keeps reading the ticks on a
    // thread of its own, which this history owns: dropping the history stops
    // the reading between two records or while it waits on the file. Throws
    // pakko::IoError when the file cannot be opened or its initial state
    // cannot be read, or the game's own error for an initial state that fails
    // the checks of a loaded state. Each later tick gets those checks too: the
    // first that fails ends the reading there, with what was read kept.
    static History load(const std::filesystem::path& path) {
        std::stop_source stop;
        auto reader = std::make_shared<BufferedSource>(std::make_unique<FileSource>(path, stop.get_token()));
        G initial = processor::processor_strategy::repeat::read_initial_state<G>(*reader);
        History history(initial);
        history.reader_ = kimbly::Thread(
            "replay reader", std::move(stop),
            [reader, state = std::move(initial), push = history.tick_handler()](const std::stop_token& stop) mutable {
                read_ticks(*reader, state, push, stop);
            });
        return history;
    }

    // Pushes a copy of each state with its tick's events; for the producer
    // thread.
    TickHandler tick_handler() const {
        return [shared = shared_](const G& state, std::vector<Event> events) {
            G copy = state;
            shared->lock()->push(std::move(copy), std::move(events));
        };
    }

    DebugCommandHandler debug_command_handler() const {
        return [shared = shared_](std::size_t player_index, bool in_debug_update, debug::DebugCommand<Data> command) {
            shared->lock()->handle_debug_command(player_index, in_debug_update, std::move(command));
        };
    }

    // 1 + the number of ticks pushed.
    std::size_t stored_states() const { return shared_->lock()->stored_states(); }

    // Moves the view to a playback position in ticks and takes what the
    // frame shows from the producer; with want_events, the events of every
    // tick passed over going forward, in order. Copies debug data only when
    // a player has changed it since the last call, and a state only when
    // the tick changes.
    std::vector<Event> go_to(double time, bool want_events) {
        auto shared = shared_->lock();
        const std::size_t stored = shared->stored_states();
        // fmin also turns NaN into the newest tick.
        time = std::fmin(time, static_cast<double>(stored - 1));
        const std::size_t shown = time > 0 ? static_cast<std::size_t>(std::ceil(time)) : 0;

        std::vector<Event> passed;
        if (want_events) {
            for (std::size_t tick = game_.index; tick < shown; ++tick) {
                const auto& events = *shared->per_tick_events[tick];
                passed.insert(passed.end(), events.begin(), events.end());
            }
        }
        if (shown != game_.index) timer_.tick();  // the hold starts afresh

        move_debug_data(*shared, shown);
        refresh(debug_update_data_, debug_update_changes_, shared->debug_update_data, shared->debug_update_changes);
        move_snapshots(previous_game_, game_, shared->game.entries(), shown);
        move_snapshots(previous_renderer_, renderer_, shared->renderer.entries(), shown);
        current_events_ =
            shown > 0 ? shared->per_tick_events[shown - 1] : std::make_shared<const std::vector<Event>>();
        time_ = time;
        return passed;
    }

    State current_state() const {
        std::optional<PreviousState<G, R, Data>> previous;
        if (previous_game_ && previous_renderer_ && previous_debug_data_) {
            previous.emplace(PreviousState<G, R, Data>{*previous_game_->value, *previous_renderer_->value,
                                                       *previous_debug_data_});
        }
        return State{*game_.value,
                     *renderer_.value,
                     *current_debug_data_,
                     std::move(previous),
                     *debug_update_data_,
                     time_ + 1 - std::ceil(time_),
                     *current_events_};
    }

    // The shown game state itself, for a thread that reads it while this
    // history moves on.
    std::shared_ptr<const G> shown_game() const { return game_.value; }

    // Writes everything the history holds as a game log; the producer waits
    // meanwhile. Returns the first write error.
    std::optional<pakko::IoError> save(pakko::Writer& out) const {
        auto shared = shared_->lock();
        // Caught here, inside the lock: a recoverable error must not break it.
        try {
            write_log(*shared, out);
        } catch (const pakko::IoError& error) {
            return error;
        }
        return std::nullopt;
    }

private:
    static void read_ticks(BufferedSource& reader, G& state, TickHandler& push, const std::stop_token& stop) {
        while (!stop.stop_requested() && !kimbly::expect([&] { return reader.at_end(); }, REPLAY_READ_FAILED)) {
            auto events = kimbly::expect([&] { return pakko::read<std::vector<Event>>(reader); }, REPLAY_READ_FAILED);
            auto delta = kimbly::expect([&] { return pakko::read<typename kimbly::Diff<G>::Delta>(reader); },
                                        REPLAY_READ_FAILED);
            kimbly::expect([&] { processor::processor_strategy::repeat::apply_logged_delta(state, delta); },
                           REPLAY_READ_FAILED);
            push(state, std::move(events));
        }
    }

    // Every delta is computed afresh between consecutive states, so where
    // whole values are stored never shows in the file.
    static void write_log(const SharedState& shared, pakko::Writer& out) {
        const auto& entries = shared.game.entries();
        const auto* first = std::get_if<FullEntry<G>>(&entries.front());
        if (!first) kimbly::panic("First entry must be value, not diff");
        G running = first->value;
        pakko::write(out, running);
        const std::size_t ticks = std::min(shared.per_tick_events.size(), entries.size() - 1);
        for (std::size_t tick = 1; tick <= ticks; ++tick) {
            G before = running;
            apply_entry(running, entries[tick]);
            pakko::write(out, *shared.per_tick_events[tick - 1]);
            pakko::write(out, kimbly::diff(before, running));
        }
        // A log that was only partly written must not pass for saved.
        out.flush();
    }

    void move_debug_data(const SharedState& shared, std::size_t shown) {
        const auto& per_tick = shared.per_tick_debug_data;
        if (shown < per_tick.size()) {
            current_debug_data_ = per_tick[shown];
            previous_debug_data_ = shown > 0 ? per_tick[shown - 1] : nullptr;
            return;
        }
        const bool anyone_flushed =
            std::any_of(shared.current_tick_debug_data.begin(), shared.current_tick_debug_data.end(),
                        [](const auto& entry) { return entry.second.flushed; });
        if (shown > 0 && timer_.elapsed() < DEBUG_DATA_HOLD_SECONDS && !anyone_flushed) {
            current_debug_data_ = per_tick[shown - 1];
            previous_debug_data_ = per_tick[shown >= 2 ? shown - 2 : 0];
        } else {
            refresh(newest_debug_data_, newest_changes_, shared.current_tick_debug_data, shared.current_tick_changes);
            current_debug_data_ = newest_debug_data_;
            previous_debug_data_ = shown > 0 ? per_tick[shown - 1] : nullptr;
        }
    }

    // Brings `copy` up to `source` when it has changed since `copy` was made.
    static void refresh(SharedDebugDataMap<Data>& copy, std::uint64_t& copied_at, const DebugDataMap<Data>& source,
                        std::uint64_t changes) {
        if (copy && copied_at == changes) return;
        copy = std::make_shared<const DebugDataMap<Data>>(source);
        copied_at = changes;
    }

    template <class T>
    static void move_snapshots(std::optional<HistorySnapshot<T>>& previous, HistorySnapshot<T>& current,
                               const std::vector<HistoryEntry<T>>& entries, std::size_t shown) {
        if (shown > 0) {
            // One tick on, the tick before is the value shown until now.
            if (!previous || current.index + 1 == shown) {
                previous = current;
            }
            previous->go_to(shown - 1, entries);
        } else {
            previous.reset();
        }
        current.go_to(shown, entries);
    }

    std::shared_ptr<kimbly::PoisonMutex<SharedState>> shared_;
    std::optional<HistorySnapshot<G>> previous_game_;
    HistorySnapshot<G> game_;
    std::optional<HistorySnapshot<R>> previous_renderer_;
    HistorySnapshot<R> renderer_;
    SharedDebugDataMap<Data> previous_debug_data_;
    SharedDebugDataMap<Data> current_debug_data_;
    // Copies of the producer's changing maps, made when they changed.
    SharedDebugDataMap<Data> newest_debug_data_;
    std::uint64_t newest_changes_ = 0;
    SharedDebugDataMap<Data> debug_update_data_;
    std::uint64_t debug_update_changes_ = 0;
    kimbly::timer::Timer timer_;
    SharedEvents<Event> current_events_;
    double time_ = 0;
    // The reader of a loaded game log; last, so that it stops first.
    kimbly::Thread reader_;
};

}  // namespace tarnwick::app::history
