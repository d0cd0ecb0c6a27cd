#pragma once
// The game as the match framework sees it: the model's records and rules
// behind tarnwick's game interface.
#include <cstddef>
#include <map>
#include <vector>

#include <kimbly/rng.hpp>
#include <tarnwick/game.hpp>

#include "velmora/model/action.hpp"
#include "velmora/model/debug.hpp"
#include "velmora/model/model.hpp"
#include "velmora/model/options.hpp"
#include "velmora/model/player_view.hpp"
#include "velmora/model/validate.hpp"

namespace velmora {

struct PlayerOptions;

}  // namespace velmora

namespace tarnwick::player {

class EncodeBuffer;

}  // namespace tarnwick::player

template <>
struct tarnwick::GameTraits<velmora::model::Model> {
    using Model = velmora::model::Model;
    using Options = velmora::model::Options;
    using OptionsPreset = velmora::model::OptionsPreset;
    using PlayerOptions = velmora::PlayerOptions;
    using Action = velmora::model::Action;
    using Event = velmora::model::Event;
    using PlayerView = velmora::model::PlayerView;
    using Results = std::vector<velmora::model::usize>;
    using DebugData = velmora::model::DebugData;
    using DebugState = velmora::model::DebugState;

    static constexpr std::size_t MAX_PLAYERS = velmora::model::MAX_PLAYERS;

    static Model init(kimbly::rng::Rng& rng, std::size_t player_count, Options options);
    static PlayerView player_view(const Model& model, std::size_t player_index);
    // The bytes of player_view's result, written without building it.
    static void encode_player_view(const Model& model, std::size_t player_index, tarnwick::player::EncodeBuffer& out);
    // Players answer in their own frames; this is the one place where their
    // orders are turned into the game frame.
    static std::vector<Event> process_turn(Model& model, kimbly::rng::Rng& rng,
                                           std::map<std::size_t, Action>& actions);
    static bool finished(const Model& model);
    static Results results(const Model& model);

    static std::size_t player_count(const Model& model);
    static Options preset_options(OptionsPreset preset);
    // Throw model::InvalidState for a state the rules must not see, and for a
    // delta of a game log that does not fit the state before it.
    static void validate(const Model& model);
    static void validate_delta(const Model& model, const velmora::model::ModelDelta& delta);
    // Cuts debug data received from a player to what a screen can show.
    static void fit_debug_data(DebugData& data);
};

namespace velmora {

using Game = model::Model;

}  // namespace velmora
