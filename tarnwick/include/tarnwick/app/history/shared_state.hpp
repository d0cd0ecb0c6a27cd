#pragma once
// The part of the tick history that the producer thread (the processor or
// the game-log reader) fills and the viewer reads, always under one lock.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <utility>
#include <variant>
#include <vector>

#include "tarnwick/app/history/debug_budget.hpp"
#include "tarnwick/app/history/debug_data.hpp"
#include "tarnwick/app/history/entries.hpp"
#include "tarnwick/app/history/renderer_extra.hpp"
#include "tarnwick/debug.hpp"
#include "tarnwick/game.hpp"

namespace tarnwick::app::history {

template <class E>
using SharedEvents = std::shared_ptr<const std::vector<E>>;

template <HistoryGame G, RendererExtraData<G> R>
struct HistorySharedState {
    using Event = EventOf<G>;
    using Data = DebugDataOf<G>;

    // Entry k of both lists describes the state after k ticks.
    HistoryEntries<G> game;
    HistoryEntries<R> renderer;
    // Sent while answering debug updates; kept for the whole match.
    DebugDataMap<Data> debug_update_data;
    // Sent while choosing the actions on the newest state.
    DebugDataMap<Data> current_tick_debug_data;
    // Counts of the changes of the two maps above, so that the viewer copies
    // a map only when it has changed.
    std::uint64_t debug_update_changes = 0;
    std::uint64_t current_tick_changes = 0;
    // Element k: sent while looking at the state after k ticks.
    std::vector<SharedDebugDataMap<Data>> per_tick_debug_data;
    DebugDataBudget debug_budget;
    // Element k: the events of tick k + 1.
    std::vector<SharedEvents<Event>> per_tick_events;

    explicit HistorySharedState(const G& initial)
        : game(initial), renderer(RendererExtraDataTraits<R>::create(initial)) {}

    void push(G new_state, std::vector<Event> events) {
        R data = renderer.last();
        RendererExtraDataTraits<R>::update(data, events, game.last(), new_state);
        renderer.push(std::move(data));
        game.push(std::move(new_state));
        per_tick_events.push_back(std::make_shared<const std::vector<Event>>(std::move(events)));
        for (const auto& [player_index, data] : current_tick_debug_data) {
            debug_budget.keep_tick(player_index, data.kept_bytes());
        }
        debug_budget.next_tick();
        per_tick_debug_data.push_back(std::make_shared<const DebugDataMap<Data>>(std::move(current_tick_debug_data)));
        current_tick_debug_data = {};
        ++current_tick_changes;
    }

    void handle_debug_command(std::size_t player_index, bool in_debug_update, debug::DebugCommand<Data> command) {
        auto& map = in_debug_update ? debug_update_data : current_tick_debug_data;
        auto& data = map[player_index];
        if (auto* add = std::get_if<debug::Add<Data>>(&command.value)) {
            if constexpr (requires { GameTraits<G>::fit_debug_data(add->data); }) {
                GameTraits<G>::fit_debug_data(add->data);
            }
            if (!debug_budget.admit(player_index, in_debug_update, data.kept_bytes(),
                                    pakko::measured_size(add->data))) {
                return;
            }
        }
        data.apply(std::move(command));
        ++(in_debug_update ? debug_update_changes : current_tick_changes);
    }

    std::size_t stored_states() const { return game.size(); }
};

}  // namespace tarnwick::app::history
