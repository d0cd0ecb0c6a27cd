#pragma once
// The game as the match framework drives it.
#include <cstddef>
#include <map>
#include <vector>

#include <tarnwick/game.hpp>

#include "velmora/model/debug.hpp"
#include "velmora/model/frames.hpp"
#include "velmora/model/init.hpp"
#include "velmora/model/model.hpp"
#include "velmora/model/options.hpp"
#include "velmora/model/player_view.hpp"
#include "velmora/model/results.hpp"
#include "velmora/model/turn.hpp"

namespace velmora {
// A configuration file's player entry; defined with the start-up.
struct PlayerOptions;
}  // namespace velmora

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

    static Model init(kimbly::rng::Rng& rng, std::size_t player_count, Options options) {
        return velmora::model::init(rng, player_count, std::move(options));
    }
    static std::size_t player_count(const Model& model) { return model.players.by_id.size(); }
    static PlayerView player_view(const Model& model, std::size_t player_index) {
        return velmora::model::player_view(model, player_index);
    }
    // Players send orders in their own frames; this is the one place where
    // they are turned into the game frame.
    static std::vector<Event> process_turn(Model& model, kimbly::rng::Rng& rng, std::map<std::size_t, Action>& actions) {
        for (auto& [index, action] : actions) velmora::model::convert_action(model, action, index);
        return velmora::model::process_turn(model, rng, std::move(actions));
    }
    static bool finished(const Model& model) { return velmora::model::finished(model); }
    static Results results(const Model& model) { return velmora::model::results(model); }
};

static_assert(tarnwick::Game<velmora::model::Model>);
