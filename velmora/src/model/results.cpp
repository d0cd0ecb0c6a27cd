#include "velmora/model/results.hpp"

#include <set>

namespace velmora::model {

bool finished(const Model& model) {
    if (model.current_tick >= model.max_tick_count) return true;
    std::set<usize> owners;
    for (const auto& entity : model.entities.iter()) {
        if (entity.player_id) owners.insert(*entity.player_id);
        if (owners.size() >= 2) return false;
    }
    return true;
}

std::vector<usize> results(const Model& model) {
    std::vector<usize> scores(model.players.by_id.size(), 0);
    for (const auto& player : model.players.iter()) scores.at(player.index) = player.score;
    return scores;
}

}  // namespace velmora::model
