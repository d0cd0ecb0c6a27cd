#pragma once
// The framework knows a game only through this interface. A game type G
// specialises tarnwick::GameTraits<G>, naming its record types and its
// operations; the operations may forward to functions declared anywhere in
// the game's own package.
//
//     template <> struct tarnwick::GameTraits<MyGame> {
//         using Options = ...; using OptionsPreset = ...; using PlayerOptions = ...;
//         using Action = ...; using Event = ...; using PlayerView = ...;
//         using Results = ...; using DebugData = ...; using DebugState = ...;
//         static MyGame init(kimbly::rng::Rng&, std::size_t player_count, Options);
//         // How many players the state has; a match refuses a state with
//         // fewer players than it has slots.
//         static std::size_t player_count(const MyGame&);
//         static PlayerView player_view(const MyGame&, std::size_t player_index);
//         static std::vector<Event> process_turn(MyGame&, kimbly::rng::Rng&, std::map<std::size_t, Action>&);
//         static bool finished(const MyGame&);
//         static Results results(const MyGame&);
//     };
//
// The game state is also copied, diffed (kimbly::Diff) and written and read
// in its binary and JSON forms by the history and the log and state files;
// the processor itself needs none of these.
#include <concepts>
#include <cstddef>
#include <map>
#include <utility>
#include <vector>

#include <kimbly/diff.hpp>
#include <kimbly/rng.hpp>

namespace tarnwick {

template <class G>
struct GameTraits;

template <class G>
using OptionsOf = typename GameTraits<G>::Options;
template <class G>
using OptionsPresetOf = typename GameTraits<G>::OptionsPreset;
template <class G>
using PlayerOptionsOf = typename GameTraits<G>::PlayerOptions;
template <class G>
using ActionOf = typename GameTraits<G>::Action;
template <class G>
using EventOf = typename GameTraits<G>::Event;
template <class G>
using PlayerViewOf = typename GameTraits<G>::PlayerView;
template <class G>
using ResultsOf = typename GameTraits<G>::Results;
template <class G>
using DebugDataOf = typename GameTraits<G>::DebugData;
template <class G>
using DebugStateOf = typename GameTraits<G>::DebugState;

// Actions of one tick, keyed by player index; only players that answered.
template <class G>
using ActionMap = std::map<std::size_t, ActionOf<G>>;

template <class G>
concept Game = std::copyable<G> && kimbly::Diffable<G> &&
               requires(G& game, const G& state, kimbly::rng::Rng& rng, std::size_t n, OptionsOf<G> options,
                        ActionMap<G>& actions) {
                   typename OptionsPresetOf<G>;
                   typename PlayerOptionsOf<G>;
                   typename DebugDataOf<G>;
                   typename DebugStateOf<G>;
                   { GameTraits<G>::init(rng, n, std::move(options)) } -> std::same_as<G>;
                   { GameTraits<G>::player_view(state, n) } -> std::same_as<PlayerViewOf<G>>;
                   { GameTraits<G>::process_turn(game, rng, actions) } -> std::same_as<std::vector<EventOf<G>>>;
                   { GameTraits<G>::finished(state) } -> std::same_as<bool>;
                   { GameTraits<G>::results(state) } -> std::same_as<ResultsOf<G>>;
               };

}  // namespace tarnwick
