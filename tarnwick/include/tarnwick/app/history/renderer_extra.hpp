#pragma once
// The renderer's own data per tick, which the history keeps beside every
// game state. A renderer names its data type and specialises
//
//     template <> struct tarnwick::app::history::RendererExtraDataTraits<MyData> {
//         static MyData create(const MyGame& first_state);
//         // Advances `data` by one tick.
//         static void update(MyData& data, const std::vector<Event>& events,
//                            const MyGame& previous, const MyGame& next);
//     };
//
// The data is also copied, diffed (kimbly::Diff) and measured
// (pakko::measured_size, for the value and its delta) like the game state.
#include <concepts>
#include <vector>

#include <kimbly/diff.hpp>

#include "tarnwick/game.hpp"

namespace tarnwick::app::history {

template <class R>
struct RendererExtraDataTraits;

// What the history needs of a game state: the game's event and debug-data
// types, copies and deltas.
template <class G>
concept HistoryGame = std::copyable<G> && kimbly::Diffable<G> && requires {
    typename EventOf<G>;
    typename DebugDataOf<G>;
};

template <class R, class G>
concept RendererExtraData =
    std::copyable<R> && kimbly::Diffable<R> &&
    requires(R& data, const G& state, const std::vector<EventOf<G>>& events) {
        { RendererExtraDataTraits<R>::create(state) } -> std::same_as<R>;
        RendererExtraDataTraits<R>::update(data, events, state, state);
    };

}  // namespace tarnwick::app::history
