#pragma once
// Step planning: before the phases of a tick, every ready unit picks the side
// neighbour it wants to enter, towards a target of its automatic attack if
// one is within reach, else towards its move target.
#include <array>

#include <kimbly/rng.hpp>
#include <kimbly/vec2.hpp>

#include "velmora/model/model.hpp"
#include "velmora/model/pathfind.hpp"
#include "velmora/model/tick_state.hpp"
#include "velmora/model/tile_classes.hpp"
#include "velmora/model/tile_map.hpp"

namespace velmora::model {

// The goal test of the automatic-attack search: not enterable past
// `pathfind_range`; 0 at a cell beside a valid target on the start tile map,
// else 1.
class FindTargetPos {
public:
    FindTargetPos(const AutoAttack& auto_attack, const Model& model, const TileMap& tile_map, const Entity& unit)
        : auto_attack_(auto_attack), model_(model), tile_map_(tile_map), unit_(unit) {}
    // The same with the game's entities looked up through `entities`.
    FindTargetPos(const AutoAttack& auto_attack, const Model& model, const TileMap& tile_map, const Entity& unit,
                  const EntityIndex& entities)
        : auto_attack_(auto_attack), model_(model), tile_map_(tile_map), unit_(unit), index_(&entities) {}
    // The same reading the tile map's classes, which must be complete and
    // classify `tile_map` with `entities`.
    FindTargetPos(const AutoAttack& auto_attack, const Model& model, const TileMap& tile_map, const Entity& unit,
                  const EntityIndex& entities, const TileClasses& classes);

    // The same value for the same cost and cell, and asking changes nothing.
    static constexpr bool REPEATABLE = true;

    // Inline: the searches of step planning call it for nearly every cell
    // they reach.
    usize operator()(usize cost, kimbly::Vec2Usize cell) const {
        if (cost > auto_attack_.pathfind_range) return pathfind::NOT_ENTERABLE;
        if (classes_ != nullptr) {
            const std::size_t at = classes_->index(cell);
            const std::size_t stride = classes_->stride();
            const bool beside_target = valid_[classes_->at(at - stride)] || valid_[classes_->at(at + stride)] ||
                                       valid_[classes_->at(at + 1)] || valid_[classes_->at(at - 1)];
            return beside_target ? 0 : 1;
        }
        return beside_target_by_tiles(cell) ? 0 : 1;
    }

private:
    bool beside_target_by_tiles(kimbly::Vec2Usize cell) const;

    const AutoAttack& auto_attack_;
    const Model& model_;
    const TileMap& tile_map_;
    const Entity& unit_;
    const EntityIndex* index_ = nullptr;
    const TileClasses* classes_ = nullptr;
    // By tile class: whether an entity of that class is a valid target;
    // false for class 0 and OUTSIDE.
    std::array<bool, 256> valid_{};
};

inline FindTargetPos find_target_pos(const AutoAttack& auto_attack, const Model& model, const TileMap& tile_map,
                                     const Entity& unit) {
    return {auto_attack, model, tile_map, unit};
}

// Fills the step plan for the ready list, in its (ascending) order. The
// searches draw from `rng`, unit by unit, the automatic-attack search before
// the move search.
void plan_steps(const Model& model, kimbly::rng::Rng& rng, TickState& tick);

}  // namespace velmora::model
