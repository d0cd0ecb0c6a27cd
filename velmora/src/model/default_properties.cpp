#include "velmora/model/default_properties.hpp"

namespace velmora::model {

namespace {

using T = EntityType;

// The three bases differ only in the unit they recruit.
EntityProperties base(EntityType unit) {
    return {.size = 5,
            .build_score = 500,
            .destroy_score = 5000,
            .population_provide = 5,
            .max_health = 300,
            .initial_cost = 500,
            .sight_range = 5,
            .build = BuildProperties{.options = {unit}}};
}

}  // namespace

EntityPropertiesTable default_entity_properties() {
    return {
        {T::Wall,
         {.size = 1, .build_score = 10, .destroy_score = 10, .max_health = 50, .initial_cost = 10, .sight_range = 2}},
        {T::House,
         {.size = 3,
          .build_score = 50,
          .destroy_score = 500,
          .population_provide = 5,
          .max_health = 50,
          .initial_cost = 50,
          .sight_range = 5}},
        {T::BuilderBase, base(T::BuilderUnit)},
        {T::BuilderUnit,
         {.size = 1,
          .build_score = 10,
          .destroy_score = 100,
          .can_move = true,
          .population_use = 1,
          .max_health = 10,
          .initial_cost = 10,
          .sight_range = 10,
          .build = BuildProperties{.options = {T::House, T::Wall, T::BuilderBase, T::MeleeBase, T::RangedBase,
                                               T::Turret},
                                   .init_health = 5},
          .attack = AttackProperties{.attack_range = 1, .damage = 1, .collect_resource = true},
          .repair = RepairProperties{.valid_targets = {T::House, T::Wall, T::BuilderUnit, T::MeleeUnit, T::RangedUnit,
                                                       T::BuilderBase, T::MeleeBase, T::RangedBase, T::Turret},
                                     .power = 1}}},
        {T::MeleeBase, base(T::MeleeUnit)},
        {T::MeleeUnit,
         {.size = 1,
          .build_score = 20,
          .destroy_score = 200,
          .can_move = true,
          .population_use = 1,
          .max_health = 50,
          .initial_cost = 20,
          .sight_range = 10,
          .attack = AttackProperties{.attack_range = 1, .damage = 5}}},
        {T::RangedBase, base(T::RangedUnit)},
        {T::RangedUnit,
         {.size = 1,
          .build_score = 30,
          .destroy_score = 300,
          .can_move = true,
          .population_use = 1,
          .max_health = 10,
          .initial_cost = 30,
          .sight_range = 10,
          .attack = AttackProperties{.attack_range = 5, .damage = 5}}},
        {T::Resource, {.size = 1, .max_health = 30, .resource_per_health = 1}},
        {T::Turret,
         {.size = 2,
          .build_score = 50,
          .destroy_score = 500,
          .max_health = 100,
          .initial_cost = 50,
          .sight_range = 10,
          .attack = AttackProperties{.attack_range = 5, .damage = 5}}},
    };
}

}  // namespace velmora::model
