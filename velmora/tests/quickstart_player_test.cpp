#include <gtest/gtest.h>

#include <string>

#include "model_fixture.hpp"
#include "velmora/model/player_view.hpp"
#include "velmora/quickstart_player.hpp"

namespace velmora::model {
namespace {

using namespace testing;
using T = EntityType;
using quickstart_player::decide;

// The view of player 1 on an 80-cell map with the default table.
PlayerView view_of(std::vector<Entity> entities, usize map_size = 80) {
    PlayerView view;
    view.my_id = 1;
    view.map_size = map_size;
    view.entity_properties = default_entity_properties();
    view.players = {{1, 0, 0}, {2, 0, 0}};
    view.entities = std::move(entities);
    return view;
}

Entity own(usize id, T type, kimbly::Vec2Usize cell, bool active = true) { return {id, 1, type, cell, 10, active}; }

EntityAction expected_unit(usize corner, usize range, std::vector<T> targets) {
    EntityAction action;
    action.move_action = MoveAction{{corner, corner}, true, true};
    action.attack_action = AttackAction{std::nullopt, AutoAttack{range, std::move(targets)}};
    return action;
}

EntityAction expected_building(usize range, std::optional<BuildAction> build = std::nullopt) {
    EntityAction action;
    action.build_action = std::move(build);
    action.attack_action = AttackAction{std::nullopt, AutoAttack{range, {}}};
    return action;
}

TEST(QuickStartPlayer, NoOwnEntitiesNoOrders) {
    auto view = view_of({{7, 2, T::MeleeUnit, at(3, 3), 50, true}, {8, std::nullopt, T::Resource, at(4, 4), 30, true}});
    EXPECT_TRUE(decide(view).entity_actions.empty());
}

TEST(QuickStartPlayer, UnitsHeadForTheFarCornerAndAttackWhatTheySee) {
    struct Case {
        std::string name;
        T type;
        usize map_size;
        EntityAction expected;
    };
    const std::vector<Case> cases = {
        {"builder gathers on the way", T::BuilderUnit, 80, expected_unit(79, 10, {T::Resource})},
        {"melee unit attacks any foe", T::MeleeUnit, 80, expected_unit(79, 10, {})},
        {"ranged unit attacks any foe", T::RangedUnit, 80, expected_unit(79, 10, {})},
        {"smaller map", T::MeleeUnit, 30, expected_unit(29, 10, {})},
        {"turret only attacks", T::Turret, 80, expected_building(10)},
        {"house only attacks", T::House, 80, expected_building(5)},
        {"wall only attacks", T::Wall, 80, expected_building(2)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto action = decide(view_of({own(3, c.type, at(20, 20))}, c.map_size));
        ASSERT_EQ(action.entity_actions.size(), 1u);
        EXPECT_EQ(action.entity_actions.at(3), c.expected);
    }
}

TEST(QuickStartPlayer, BasesProduceUpToOneBuildingsPopulation) {
    struct Case {
        std::string name;
        T base;
        std::vector<Entity> others;
        std::optional<BuildAction> expected;
    };
    auto units = [](usize count, T type, std::optional<usize> owner = 1, bool active = true) {
        std::vector<Entity> list;
        for (usize i = 0; i < count; ++i) list.push_back({100 + i, owner, type, at(30 + i, 30), 10, active});
        return list;
    };
    const BuildAction builder_unit{T::BuilderUnit, at(10, 9)};
    std::vector<Entity> mixed = units(4, T::BuilderUnit);
    mixed.push_back({120, 1, T::BuilderUnit, at(40, 40), 10, false});
    const std::vector<Case> cases = {
        {"none yet", T::BuilderBase, {}, builder_unit},
        {"four of them: one more", T::BuilderBase, units(4, T::BuilderUnit), builder_unit},
        {"five of them: enough", T::BuilderBase, units(5, T::BuilderUnit), std::nullopt},
        {"inactive ones count", T::BuilderBase, mixed, std::nullopt},
        {"another player's do not count", T::BuilderBase, units(5, T::BuilderUnit, 2), builder_unit},
        {"other kinds do not count", T::BuilderBase, units(5, T::MeleeUnit), builder_unit},
        {"melee base", T::MeleeBase, units(4, T::MeleeUnit), BuildAction{T::MeleeUnit, at(10, 9)}},
        {"ranged base", T::RangedBase, units(5, T::RangedUnit), std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<Entity> entities{own(3, c.base, at(5, 5))};
        entities.insert(entities.end(), c.others.begin(), c.others.end());
        auto action = decide(view_of(entities));
        ASSERT_TRUE(action.entity_actions.contains(3));
        EXPECT_EQ(action.entity_actions.at(3), expected_building(5, c.expected));
    }
}

TEST(QuickStartPlayer, OnlyOwnEntitiesGetOrders) {
    auto action = decide(view_of({own(3, T::MeleeUnit, at(1, 1)), {4, 2, T::MeleeUnit, at(2, 2), 50, true},
                                  {5, std::nullopt, T::Resource, at(3, 3), 30, true}, own(6, T::Wall, at(4, 4), false)}));
    std::vector<usize> ids;
    for (const auto& [id, order] : action.entity_actions) ids.push_back(id);
    EXPECT_EQ(ids, (std::vector<usize>{3, 6}));
}

}  // namespace
}  // namespace velmora::model
