// Every value of the table is pinned by the golden matches, whose hash takes
// in the final state with its table; these tests hold the shape the rules
// lean on, so that a wrong value says which relation it breaks.
#include <gtest/gtest.h>

#include <velmora/model/default_properties.hpp>

namespace velmora::model {
namespace {

using T = EntityType;

TEST(DefaultEntityProperties, EveryKindOnceInIndexOrder) {
    const auto table = default_entity_properties();
    ASSERT_EQ(table.size(), ENTITY_TYPE_COUNT);
    std::size_t index = 0;
    for (const auto& [type, properties] : table) EXPECT_EQ(type, entity_type_at(index++));
}

TEST(DefaultEntityProperties, WhatEachKindDoes) {
    struct Row {
        EntityType type;
        bool can_move;
        usize population_provide, population_use;
        bool builds, attacks, repairs, yields_resource;
    };
    const Row rows[] = {
        {T::Wall, false, 0, 0, false, false, false, false},
        {T::House, false, 5, 0, false, false, false, false},
        {T::BuilderBase, false, 5, 0, true, false, false, false},
        {T::BuilderUnit, true, 0, 1, true, true, true, false},
        {T::MeleeBase, false, 5, 0, true, false, false, false},
        {T::MeleeUnit, true, 0, 1, false, true, false, false},
        {T::RangedBase, false, 5, 0, true, false, false, false},
        {T::RangedUnit, true, 0, 1, false, true, false, false},
        {T::Resource, false, 0, 0, false, false, false, true},
        {T::Turret, false, 0, 0, false, true, false, false},
    };
    const auto table = default_entity_properties();
    for (const Row& r : rows) {
        SCOPED_TRACE(entity_type_name(r.type));
        const auto& p = table.at(r.type);
        EXPECT_EQ(p.can_move, r.can_move);
        EXPECT_EQ(p.population_provide, r.population_provide);
        EXPECT_EQ(p.population_use, r.population_use);
        EXPECT_EQ(p.build.has_value(), r.builds);
        EXPECT_EQ(p.attack.has_value(), r.attacks);
        EXPECT_EQ(p.repair.has_value(), r.repairs);
        EXPECT_EQ(p.resource_per_health > 0, r.yields_resource);
        EXPECT_GT(p.max_health, 0u);
    }
}

TEST(DefaultEntityProperties, BasesDifferOnlyInTheUnitTheyRecruit) {
    const auto table = default_entity_properties();
    const std::pair<EntityType, EntityType> bases[] = {
        {T::BuilderBase, T::BuilderUnit}, {T::MeleeBase, T::MeleeUnit}, {T::RangedBase, T::RangedUnit}};
    for (const auto& [base, unit] : bases) {
        SCOPED_TRACE(entity_type_name(base));
        EntityProperties properties = table.at(base);
        EXPECT_EQ(properties.build, (BuildProperties{{unit}, std::nullopt}));
        properties.build = table.at(T::BuilderBase).build;
        EXPECT_EQ(properties, table.at(T::BuilderBase));
    }
}

TEST(DefaultEntityProperties, TheBuilderRaisesEveryBuildingRepairsAllButResourcesAndHarvests) {
    const auto builder = default_entity_properties().at(T::BuilderUnit);
    EXPECT_EQ(builder.build,
              (BuildProperties{{T::House, T::Wall, T::BuilderBase, T::MeleeBase, T::RangedBase, T::Turret}, 5}));
    EXPECT_EQ(builder.repair, (RepairProperties{{T::House, T::Wall, T::BuilderUnit, T::MeleeUnit, T::RangedUnit,
                                                 T::BuilderBase, T::MeleeBase, T::RangedBase, T::Turret},
                                                1}));
    ASSERT_TRUE(builder.attack);
    EXPECT_TRUE(builder.attack->collect_resource);
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
