#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include <kimbly/chacha20.hpp>
#include <kimbly/rng.hpp>

#include "model_fixture.hpp"
#include "velmora/model/step_plan.hpp"
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
