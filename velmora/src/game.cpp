#include "velmora/game.hpp"

#include <utility>

#include <tarnwick/player/encode_buffer.hpp>

#include "velmora/model/frames.hpp"
#include "velmora/model/init.hpp"
#include "velmora/model/player_view_encoding.hpp"
#include "velmora/model/results.hpp"
#include "velmora/model/turn.hpp"
#include "velmora/renderer/debug_items.hpp"

using Traits = tarnwick::GameTraits<velmora::model::Model>;

Traits::Model Traits::init(kimbly::rng::Rng& rng, std::size_t player_count, Options options) {
    return velmora::model::init(rng, player_count, std::move(options));
}

Traits::PlayerView Traits::player_view(const Model& model, std::size_t player_index) {
    return velmora::model::player_view(model, player_index);
}

// Thousands of small fields: with every step inlined, none costs a call.
[[gnu::flatten]] void Traits::encode_player_view(const Model& model, std::size_t player_index,
                                                 tarnwick::player::EncodeBuffer& out) {
    out.append([&](auto& writer) { velmora::model::write_player_view(writer, model, player_index); });
}

// The processor hands over its own map and does not read it afterwards, so
// the orders are converted in place.
std::vector<Traits::Event> Traits::process_turn(Model& model, kimbly::rng::Rng& rng,
                                                std::map<std::size_t, Action>& actions) {
    for (auto& [index, action] : actions) velmora::model::convert_action(model, action, index);
    return velmora::model::process_turn(model, rng, std::move(actions));
}

bool Traits::finished(const Model& model) { return velmora::model::finished(model); }

Traits::Results Traits::results(const Model& model) { return velmora::model::results(model); }

std::size_t Traits::player_count(const Model& model) { return model.players.by_id.size(); }

Traits::Options Traits::preset_options(OptionsPreset preset) { return velmora::model::options_from(std::move(preset)); }

void Traits::validate(const Model& model) { velmora::model::validate_model(model); }

void Traits::validate_delta(const Model& model, const velmora::model::ModelDelta& delta) {
    velmora::model::validate_delta(model, delta);
}

void Traits::fit_debug_data(DebugData& data) { velmora::renderer::debug::fit_to_screen(data); }
