#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include <kimbly/chacha20.hpp>
#include <kimbly/rng.hpp>

#include "model_fixture.hpp"
#include "velmora/model/pathfind.hpp"
#include "velmora/model/sight.hpp"
#include "velmora/model/step_plan.hpp"
#include "velmora/model/tick_state.hpp"
#include "velmora/model/tile_classes.hpp"
#include "velmora/model/tile_map.hpp"

namespace velmora::model {
namespace {

using namespace testing;

// A crowded map of three players' entities and resources, squares allowed to
// overlap so that the later entity holds the shared cells.
Model crowded_map(std::uint64_t seed) {
    Model model = empty_model(24, true);
    for (usize index = 0; index < 3; ++index) add_player(model, index);
    const EntityType types[] = {EntityType::Resource, EntityType::BuilderUnit, EntityType::MeleeUnit,
                                EntityType::House, EntityType::RangedBase, EntityType::Wall};
    auto rng = kimbly::rng::ChaCha20Rng::seed_from_u64(seed);
    for (int i = 0; i < 90; ++i) {
        const EntityType type = types[kimbly::rng::below(rng, std::size(types))];
        const usize size = properties_of(model, type).size;
        const usize x = kimbly::rng::below(rng, 24 - size + 1);
        const usize y = kimbly::rng::below(rng, 24 - size + 1);
        std::optional<usize> owner;
        if (type != EntityType::Resource) owner = 1 + kimbly::rng::below(rng, 3);
        add_entity(model, type, owner, at(x, y));
    }
    return model;
}

// The goal test of the automatic-attack search reads the tile classes when
// the tick has them; it must answer as the tile map does, for every cell,
// unit and list of targets.
TEST(FindTargetPos, TileClassesAnswerAsTheTileMap) {
    const std::vector<std::vector<EntityType>> target_lists = {
        {}, {EntityType::Resource}, {EntityType::House, EntityType::MeleeUnit}, {EntityType::Turret}};
    for (std::uint64_t seed : {1, 2, 3}) {
        Model model = crowded_map(seed);
        // An unowned unit too: it may target any owned entity.
        const usize stray = add_entity(model, EntityType::MeleeUnit, std::nullopt, at(0, 0));
        const TileMap tiles = TileMap::get(model);
        const EntityIndex index(model.entities);
        TileClasses classes;
        classes.refill(model);
        ASSERT_TRUE(classes.complete());
        for (const usize unit_id : {usize{4}, usize{5}, stray}) {
            const Entity& unit = entity(model, unit_id);
            for (const auto& targets : target_lists) {
                const AutoAttack auto_attack{6, targets};
                const FindTargetPos by_tiles(auto_attack, model, tiles, unit, index);
                const FindTargetPos by_classes(auto_attack, model, tiles, unit, index, classes);
                for (usize x = 0; x < model.map_size; ++x)
                    for (usize y = 0; y < model.map_size; ++y)
                        for (usize cost : {usize{0}, usize{6}, usize{7}})
                            ASSERT_EQ(by_classes(cost, at(x, y)), by_tiles(cost, at(x, y)))
                                << "seed " << seed << ", unit " << unit_id << ", " << targets.size()
                                << " targets, cell " << x << ", " << y << ", cost " << cost;
            }
        }
    }
}

// A wider map where most resources lie in the fog of the players' few units.
Model scattered_map(std::uint64_t seed) {
    Model model = empty_model(40, true);
    for (usize index = 0; index < 2; ++index) add_player(model, index);
    auto rng = kimbly::rng::ChaCha20Rng::seed_from_u64(seed);
    auto anywhere = [&] { return at(kimbly::rng::below(rng, 40), kimbly::rng::below(rng, 40)); };
    for (int i = 0; i < 200; ++i) add_entity(model, EntityType::Resource, std::nullopt, anywhere());
    for (usize owner : {1, 2})
        for (EntityType type : {EntityType::BuilderUnit, EntityType::MeleeUnit, EntityType::RangedUnit})
            add_entity(model, type, owner, anywhere());
    return model;
}

// Step planning reads the cells around those its automatic-attack searches
// expand from the tile classes. The planned step and every draw must be
// those of the general search over the tile map and the sight grid: on the
// map's edges and corners, beside seen entities and through fogged ones.
TEST(PlanSteps, AutomaticAttackSearchesStepAsTheGeneralSearch) {
    const std::vector<std::vector<EntityType>> target_lists = {{}, {EntityType::Resource}};
    std::vector<Model> scenes;
    for (std::uint64_t seed : {1, 2, 3}) {
        Model crowded = crowded_map(seed);
        add_entity(crowded, EntityType::MeleeUnit, 1, at(0, 0));
        add_entity(crowded, EntityType::RangedUnit, 2, at(23, 23));
        add_entity(crowded, EntityType::BuilderUnit, 3, at(0, 23));
        scenes.push_back(crowded);
        scenes.push_back(scattered_map(seed));
    }
    for (const bool fog : {true, false}) {
        for (std::size_t scene = 0; scene < scenes.size(); ++scene) {
            Model start = scenes[scene];
            start.fog_of_war = fog;
            const std::uint64_t seed = scene + 1;
            for (const Entity& candidate : start.entities.iter()) {
                if (!candidate.player_id || !properties_of(start, candidate.entity_type).can_move) continue;
                for (const auto& [range, targets] : {std::pair{usize{6}, target_lists[0]},
                                                     std::pair{usize{6}, target_lists[1]},
                                                     std::pair{usize{30}, target_lists[0]},
                                                     std::pair{usize{30}, target_lists[1]}}) {
                    Model model = start;
                    const AutoAttack auto_attack{range, targets};
                    stand(model, candidate.id, attack(std::nullopt, auto_attack));
                    TickState tick;
                    start_tick(model, tick);
                    auto planned_rng = kimbly::rng::ChaCha20Rng::seed_from_u64(seed);
                    auto general_rng = planned_rng;
                    plan_steps(model, planned_rng, tick);

                    const Entity& unit = entity(model, candidate.id);
                    const TileMap tiles = TileMap::get(model);
                    const SightGrid sight = sight_range_map(model, &player(model, *unit.player_id));
                    const auto result = pathfind::pathfind(
                        general_rng, model.map_size, model.entities, model.entity_properties.value, tiles, sight,
                        unit, find_target_pos(auto_attack, model, tiles, unit), false, model.max_pathfind_nodes);
                    std::optional<kimbly::Vec2Usize> expected;
                    if (result.goal_value == 0 && result.first_step != unit.position) expected = result.first_step;
                    std::optional<kimbly::Vec2Usize> planned;
                    if (auto found = tick.step_plan.find(unit.id); found != tick.step_plan.end())
                        planned = found->second;
                    const std::string where = "fog " + std::to_string(fog) + ", scene " + std::to_string(scene) +
                                              ", unit " + std::to_string(unit.id) + ", range " +
                                              std::to_string(range) + ", " + std::to_string(targets.size()) +
                                              " targets";
                    EXPECT_EQ(planned, expected) << where;
                    EXPECT_EQ(planned_rng.next_u64(), general_rng.next_u64()) << where;
                }
            }
        }
    }
}

TEST(TileClasses, TooManyOwnersLeaveThemIncomplete) {
    Model model = empty_model(40);
    for (usize owner = 1; owner <= TileClasses::MAX_OWNERS + 1; ++owner)
        add_entity(model, EntityType::Wall, owner, at(owner, 1));
    TileClasses classes;
    classes.refill(model);
    EXPECT_FALSE(classes.complete());
    model.entities.by_id.erase(model.entities.by_id.rbegin()->first);
    classes.refill(model);
    EXPECT_TRUE(classes.complete());
}

}  // namespace
}  // namespace velmora::model
