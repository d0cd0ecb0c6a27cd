#pragma once
// What a player's entities can see. A grid cell holds the sight left at that
// cell: 0 is not visible, anything else is.
#include <cstddef>
#include <map>
#include <memory>
#include <vector>

#include "velmora/model/entity.hpp"

namespace velmora::model {

struct Model;
struct Player;

// map_size by map_size counters, indexed first by x, then by y, stored flat
// with x as the outer index.
struct SightGrid {
    usize map_size = 0;
    std::vector<usize> counters;

    usize at(usize x, usize y) const { return counters[x * map_size + y]; }
    usize& at(usize x, usize y) { return counters[x * map_size + y]; }
    bool visible(usize x, usize y) const { return at(x, y) != 0; }

    bool operator==(const SightGrid&) const = default;
};

// The grid of `player`, or of all owners together when it is null. With fog
// of war off every counter is 1. Otherwise a cell's counter is
// sight_range + 1 - d for the owned entity giving the largest such value,
// where d is the Manhattan distance to that entity's nearest cell, and 0 when
// none reaches it. Active and inactive entities see alike.
SightGrid sight_range_map(const Model& model, const Player* player);

// The same into a grid the caller keeps, so that a grid computed every tick
// reuses its storage.
void sight_range_map_into(const Model& model, const Player* player, SightGrid& grid);

// The same grid, shared with earlier callers on this thread that asked for
// one from the same squares on a map of the same size: the views of a tick
// and the tick's own planning see the same game, and a grid is computed once
// for them all. A returned grid never changes.
std::shared_ptr<const SightGrid> shared_sight_range_map(const Model& model, const Player* player);

// Every player's grid, keyed by player id.
std::map<usize, SightGrid> sight_range_maps(const Model& model);

// The same into grids the caller keeps from tick to tick: grids of players
// still present are overwritten in place, those of departed ones dropped.
// Freeing and reallocating a few hundred kilobytes every tick costs far more
// than computing them, since the allocator hands the memory back to the
// system each time.
void sight_range_maps_into(const Model& model, std::map<usize, SightGrid>& grids);

// Every player's shared grid, into a map the caller keeps.
void shared_sight_range_maps(const Model& model, std::map<usize, std::shared_ptr<const SightGrid>>& grids);

}  // namespace velmora::model
