#include "velmora/model/default_properties.hpp"

namespace velmora::model {

namespace {

using T = EntityType;

struct Scalars {
    usize size, build_score, destroy_score;
    bool can_move;
    usize population_provide, population_use, max_health, initial_cost, sight_range, resource_per_health;
};

EntityProperties make(const Scalars& s) {
    EntityProperties p;
    p.size = s.size;
    p.build_score = s.build_score;
    p.destroy_score = s.destroy_score;
    p.can_move = s.can_move;
    p.population_provide = s.population_provide;
    p.population_use = s.population_use;
    p.max_health = s.max_health;
    p.initial_cost = s.initial_cost;
    p.sight_range = s.sight_range;
    p.resource_per_health = s.resource_per_health;
    return p;
}

BuildProperties builds(T unit) { return {{unit}, std::nullopt}; }

}  // namespace

EntityPropertiesTable default_entity_properties() {
    EntityPropertiesTable table;

    table[T::Wall] = make({1, 10, 10, false, 0, 0, 50, 10, 2, 0});
    table[T::House] = make({3, 50, 500, false, 5, 0, 50, 50, 5, 0});

    auto base = make({5, 500, 5000, false, 5, 0, 300, 500, 5, 0});
    table[T::BuilderBase] = base;
    table[T::BuilderBase].build = builds(T::BuilderUnit);
    table[T::MeleeBase] = base;
    table[T::MeleeBase].build = builds(T::MeleeUnit);
    table[T::RangedBase] = base;
    table[T::RangedBase].build = builds(T::RangedUnit);

    auto& builder = table[T::BuilderUnit] = make({1, 10, 100, true, 0, 1, 10, 10, 10, 0});
    builder.build = BuildProperties{{T::House, T::Wall, T::BuilderBase, T::MeleeBase, T::RangedBase, T::Turret}, 5};
    builder.attack = AttackProperties{1, 1, true};
    builder.repair = RepairProperties{{T::House, T::Wall, T::BuilderUnit, T::MeleeUnit, T::RangedUnit, T::BuilderBase,
                                       T::MeleeBase, T::RangedBase, T::Turret},
                                      1};

    auto& melee = table[T::MeleeUnit] = make({1, 20, 200, true, 0, 1, 50, 20, 10, 0});
    melee.attack = AttackProperties{1, 5, false};

    auto& ranged = table[T::RangedUnit] = make({1, 30, 300, true, 0, 1, 10, 30, 10, 0});
    ranged.attack = AttackProperties{5, 5, false};

    table[T::Resource] = make({1, 0, 0, false, 0, 0, 30, 0, 0, 1});

    auto& turret = table[T::Turret] = make({2, 50, 500, false, 0, 0, 100, 50, 10, 0});
    turret.attack = AttackProperties{5, 5, false};

    return table;
}

}  // namespace velmora::model
