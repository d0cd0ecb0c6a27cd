#pragma once
// The built-in opponent: every unit heads for the far corner, every base
// keeps ordering its first kind of unit up to a small population, and
// everything attacks what comes within sight; builders gather resources on
// the way. It keeps nothing between ticks.
#include <tarnwick/player.hpp>

#include "velmora/model/action.hpp"
#include "velmora/model/player_view.hpp"

namespace velmora::quickstart_player {

// One order for each of the player's own entities, in its own frame. Needs
// the properties of every type among them and of every first build option.
model::Action decide(const model::PlayerView& view);

// The match runner's face of the strategy, for any game whose records are
// the model's. It never fails and draws nothing on the debug interface.
template <tarnwick::Game G>
class QuickStartPlayer final : public tarnwick::player::Player<G> {
public:
    tarnwick::ActionOf<G> get_action(const tarnwick::PlayerViewOf<G>& view,
                                     tarnwick::player::DebugInterfaceOf<G>*) override {
        return decide(view);
    }
    void debug_update(const tarnwick::PlayerViewOf<G>&, tarnwick::player::DebugInterfaceOf<G>&) override {}
};

}  // namespace velmora::quickstart_player
