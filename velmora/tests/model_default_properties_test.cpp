#include <gtest/gtest.h>

#include <velmora/model/default_properties.hpp>

namespace velmora::model {
namespace {

using T = EntityType;

TEST(DefaultEntityProperties, ScalarsOfEveryType) {
    struct Row {
        EntityType type;
        usize size, build_score, destroy_score;
        bool can_move;
        usize population_provide, population_use, max_health, initial_cost, sight_range, resource_per_health;
    };
    const std::vector<Row> rows = {
        {T::Wall, 1, 10, 10, false, 0, 0, 50, 10, 2, 0},
        {T::House, 3, 50, 500, false, 5, 0, 50, 50, 5, 0},
        {T::BuilderBase, 5, 500, 5000, false, 5, 0, 300, 500, 5, 0},
        {T::BuilderUnit, 1, 10, 100, true, 0, 1, 10, 10, 10, 0},
        {T::MeleeBase, 5, 500, 5000, false, 5, 0, 300, 500, 5, 0},
        {T::MeleeUnit, 1, 20, 200, true, 0, 1, 50, 20, 10, 0},
        {T::RangedBase, 5, 500, 5000, false, 5, 0, 300, 500, 5, 0},
        {T::RangedUnit, 1, 30, 300, true, 0, 1, 10, 30, 10, 0},
        {T::Resource, 1, 0, 0, false, 0, 0, 30, 0, 0, 1},
        {T::Turret, 2, 50, 500, false, 0, 0, 100, 50, 10, 0},
    };
    auto table = default_entity_properties();
    ASSERT_EQ(table.size(), 10u);
    for (const auto& r : rows) {
        SCOPED_TRACE(entity_type_name(r.type));
        const auto& p = table.at(r.type);
        EXPECT_EQ(p.size, r.size);
        EXPECT_EQ(p.build_score, r.build_score);
        EXPECT_EQ(p.destroy_score, r.destroy_score);
        EXPECT_EQ(p.can_move, r.can_move);
        EXPECT_EQ(p.population_provide, r.population_provide);
        EXPECT_EQ(p.population_use, r.population_use);
        EXPECT_EQ(p.max_health, r.max_health);
        EXPECT_EQ(p.initial_cost, r.initial_cost);
        EXPECT_EQ(p.sight_range, r.sight_range);
        EXPECT_EQ(p.resource_per_health, r.resource_per_health);
    }
}

TEST(DefaultEntityProperties, AbilitiesOfEveryType) {
    using Build = std::optional<BuildProperties>;
    using Attack = std::optional<AttackProperties>;
    using Repair = std::optional<RepairProperties>;
    struct Row {
        EntityType type;
        Build build;
        Attack attack;
        Repair repair;
    };
    const std::vector<Row> rows = {
        {T::Wall, {}, {}, {}},
        {T::House, {}, {}, {}},
        {T::BuilderBase, BuildProperties{{T::BuilderUnit}, {}}, {}, {}},
        {T::BuilderUnit,
         BuildProperties{{T::House, T::Wall, T::BuilderBase, T::MeleeBase, T::RangedBase, T::Turret}, 5},
         AttackProperties{1, 1, true},
         RepairProperties{{T::House, T::Wall, T::BuilderUnit, T::MeleeUnit, T::RangedUnit, T::BuilderBase,
                           T::MeleeBase, T::RangedBase, T::Turret},
                          1}},
        {T::MeleeBase, BuildProperties{{T::MeleeUnit}, {}}, {}, {}},
        {T::MeleeUnit, {}, AttackProperties{1, 5, false}, {}},
        {T::RangedBase, BuildProperties{{T::RangedUnit}, {}}, {}, {}},
        {T::RangedUnit, {}, AttackProperties{5, 5, false}, {}},
        {T::Resource, {}, {}, {}},
        {T::Turret, {}, AttackProperties{5, 5, false}, {}},
    };
    auto table = default_entity_properties();
    for (const auto& r : rows) {
        SCOPED_TRACE(entity_type_name(r.type));
        const auto& p = table.at(r.type);
        EXPECT_EQ(p.build, r.build);
        EXPECT_EQ(p.attack, r.attack);
        EXPECT_EQ(p.repair, r.repair);
    }
}

TEST(DefaultEntityProperties, EveryCallGivesAnEqualIndependentCopy) {
    auto first = default_entity_properties();
    auto second = default_entity_properties();
    EXPECT_EQ(first, second);
    first.at(T::House).max_health = 1;
    EXPECT_EQ(second.at(T::House).max_health, 50u);
    EXPECT_EQ(default_entity_properties().at(T::House).max_health, 50u);
}

}  // namespace
}  // namespace velmora::model
