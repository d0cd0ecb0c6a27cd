#pragma once
// Who may hit whom, and the attack phase of a tick.
#include <vector>

#include <kimbly/rng.hpp>
#include <kimbly/vec2.hpp>

#include "velmora/model/model.hpp"
#include "velmora/model/tick_state.hpp"

namespace velmora::model {

// The Manhattan distance between the nearest cells of two squares: 0 when
// they overlap, 1 when they touch along a side, 2 at a corner.
usize square_distance(kimbly::Vec2Usize a, usize a_size, kimbly::Vec2Usize b, usize b_size);

// The range test of every attack: the attacker can attack at all and the
// target's square is within its attack_range.
bool can_attack(const Entity& attacker, const Entity& target, const EntityPropertiesTable& properties);

// Whether `candidate` is a target of an automatic attack of `unit`. An empty
// list means any owned entity of another player (so never a resource); a
// non-empty one means an entity of a listed type whose owner differs (two
// unowned entities count as having the same owner).
bool is_valid_target(const Entity& unit, const Entity& candidate, const std::vector<EntityType>& valid_targets);

// Shuffles the ready list, then lets every ready entity in that order hit its
// fixed target, else a random automatic-attack candidate in range, else a
// foreign entity on the cell it planned to enter. Attackers leave the ready
// set; every attack appends an event.
void attack_phase(Model& model, kimbly::rng::Rng& rng, TickState& tick);

}  // namespace velmora::model
