#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>

#include "model_fixture.hpp"
#include "velmora/model/attack.hpp"

namespace velmora::model {
namespace {

using namespace testing;
using T = EntityType;

struct RangeCase {
    std::string name;
    T attacker_type;
    kimbly::Vec2Usize attacker;
    T target_type;
    kimbly::Vec2Usize target;
    usize range;
    bool expected;
};

TEST(CanAttack, NearestCellsWithinRange) {
    const std::vector<RangeCase> cases = {
        {"unit beside a base's column, range 2", T::RangedUnit, at(3, 3), T::BuilderBase, at(5, 0), 2, true},
        {"unit beside a base's column, range 1", T::RangedUnit, at(3, 3), T::BuilderBase, at(5, 0), 1, false},
        {"side contact", T::MeleeUnit, at(4, 5), T::Wall, at(5, 5), 1, true},
        {"corner contact is 2", T::MeleeUnit, at(4, 4), T::Wall, at(5, 5), 1, false},
        {"target before the attacker", T::RangedUnit, at(11, 6), T::House, at(5, 5), 4, true},
        {"target before the attacker, one short", T::RangedUnit, at(12, 6), T::House, at(5, 5), 4, false},
        {"overlapping squares", T::Turret, at(5, 5), T::MeleeUnit, at(6, 6), 0, true},
        {"no attack at all", T::House, at(5, 5), T::Wall, at(8, 5), 100, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Model model = empty_model();
        auto& table = model.entity_properties.value;
        if (table.at(c.attacker_type).attack) table.at(c.attacker_type).attack->attack_range = c.range;
        Entity attacker{1, 1, c.attacker_type, c.attacker, 10, true};
        Entity target{2, 2, c.target_type, c.target, 10, true};
        EXPECT_EQ(can_attack(attacker, target, table), c.expected);
    }
}

// A melee unit of player 1 at (5, 5) (range 1, damage 5) among a foe's wall
// beside it, a foe's wall out of reach and one of its own walls beside it.
struct Melee {
    Model model = empty_model();
    usize me = add_player(model, 0);
    usize foe = add_player(model, 1);
    usize unit = add_entity(model, T::MeleeUnit, me, at(5, 5));
    usize near_foe = add_entity(model, {T::Wall, foe, at(6, 5), 20});
    usize far_foe = add_entity(model, {T::Wall, foe, at(9, 9), 20});
    usize own = add_entity(model, {T::Wall, me, at(5, 6), 5});
};

struct ChoiceCase {
    std::string name;
    std::function<EntityAction(const Melee&)> order;
    std::function<std::vector<Event>(const Melee&)> events;
    usize my_score;
    std::function<kimbly::Vec2Usize(const Melee&)> unit_ends_at;
};

TEST(AttackPhase, TargetChoice) {
    const AutoAttack any_foe{5, {}};
    auto hits = [](auto target) {
        return [target](const Melee& m) { return std::vector<Event>{attack_event(m.unit, m.*target)}; };
    };
    auto none = [](const Melee&) { return std::vector<Event>{}; };
    auto stays = [](const Melee&) { return at(5, 5); };
    const std::vector<ChoiceCase> cases = {
        {"fixed target in range", [](const Melee& m) { return attack(m.near_foe); }, hits(&Melee::near_foe), 0, stays},
        {"fixed target is the attacker itself: automatic attack",
         [&](const Melee& m) { return attack(m.unit, any_foe); }, hits(&Melee::near_foe), 0, stays},
        {"fixed target missing: automatic attack", [&](const Melee&) { return attack(999, any_foe); },
         hits(&Melee::near_foe), 0, stays},
        {"fixed target out of range, nothing else", [](const Melee& m) { return attack(m.far_foe); }, none, 0, stays},
        {"fixed target out of range, breaking through the planned cell",
         [](const Melee& m) {
             auto action = move_to(at(6, 5));
             action.attack_action = AttackAction{m.far_foe, std::nullopt};
             return action;
         },
         hits(&Melee::near_foe), 0, stays},
        {"no attack order, breaking through the planned cell", [](const Melee&) { return move_to(at(6, 5)); },
         hits(&Melee::near_foe), 0, stays},
        // Own entities may be fixed targets; killing one earns nothing.
        {"fixed target of its own", [](const Melee& m) { return attack(m.own); }, hits(&Melee::own), 0,
         stays},
        {"planned cell held by its own wall: no attack, no move", [](const Melee&) { return move_to(at(5, 6)); }, none,
         0, stays},
        {"automatic attack ignores its own", [](const Melee&) {
             return attack(std::nullopt, AutoAttack{1, {T::Wall}});
         }, hits(&Melee::near_foe), 0, stays},
        {"nothing to attack: the unit moves", [](const Melee&) { return move_to(at(4, 5)); }, none, 0,
         [](const Melee&) { return at(4, 5); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Melee m;
        stand(m.model, m.unit, c.order(m));
        CountingRng rng;
        EXPECT_EQ(play(m.model, rng), c.events(m));
        EXPECT_EQ(player(m.model, m.me).score, c.my_score);
        EXPECT_EQ(entity(m.model, m.unit).position, c.unit_ends_at(m));
    }
}

TEST(AttackPhase, DamageScoresAndResources) {
    struct Case {
        std::string name;
        T attacker_type;
        std::vector<T> valid_targets;
        T target_type;
        std::optional<usize> target_owner_is_foe;  // 1: foe's, empty: unowned
        usize target_health;
        bool attacks;
        usize target_health_after;
        usize my_resource;
        usize my_score;
    };
    const std::vector<Case> cases = {
        {"builder mines a resource", T::BuilderUnit, {T::Resource}, T::Resource, std::nullopt, 30, true, 29, 1, 1},
        {"empty target list never means resources", T::BuilderUnit, {}, T::Resource, std::nullopt, 30, false, 30, 0, 0},
        {"melee unit wounds a foe's unit", T::MeleeUnit, {}, T::RangedUnit, 1, 10, true, 5, 0, 0},
        // Killing blow: destroy_score of a ranged unit.
        {"melee unit kills a foe's unit", T::MeleeUnit, {}, T::RangedUnit, 1, 5, true, 0, 0, 300},
        {"damage above the health is capped", T::MeleeUnit, {}, T::RangedUnit, 1, 3, true, 0, 0, 300},
        // Resources have resource_per_health 1 but melee units collect nothing.
        {"melee unit hits a resource", T::MeleeUnit, {T::Resource}, T::Resource, std::nullopt, 30, true, 25, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Model model = empty_model();
        usize me = add_player(model, 0);
        usize foe = add_player(model, 1);
        usize attacker = add_entity(model, c.attacker_type, me, at(5, 5));
        std::optional<usize> owner;
        if (c.target_owner_is_foe) owner = foe;
        usize target = add_entity(model, {c.target_type, owner, at(6, 5), c.target_health});
        stand(model, attacker, attack(std::nullopt, AutoAttack{10, c.valid_targets}));
        CountingRng rng;
        auto events = play(model, rng);
        EXPECT_EQ(events.size(), c.attacks ? 1u : 0u);
        if (c.target_health_after == 0) {
            EXPECT_EQ(model.entities.get(target), nullptr);
        } else {
            EXPECT_EQ(entity(model, target).health, c.target_health_after);
        }
        EXPECT_EQ(player(model, me).resource, c.my_resource);
        EXPECT_EQ(player(model, me).score, c.my_score);
        EXPECT_EQ(player(model, foe).score, 0u);
    }
}

TEST(AttackPhase, CandidatesAreChosenUniformly) {
    std::set<usize> chosen;
    std::set<usize> walls;
    for (std::uint64_t seed = 1; seed <= 60; ++seed) {
        Model model = empty_model();
        usize me = add_player(model, 0);
        usize foe = add_player(model, 1);
        // A turret cannot move: no search draws before the choice.
        usize turret = add_entity(model, T::Turret, me, at(8, 8));
        walls.clear();
        for (auto cell : {at(8, 5), at(11, 8), at(8, 12), at(5, 9)}) walls.insert(add_entity(model, T::Wall, foe, cell));
        stand(model, turret, attack(std::nullopt, AutoAttack{5, {}}));
        CountingRng rng(seed);
        auto events = play(model, rng);
        ASSERT_EQ(events.size(), 1u);
        chosen.insert(std::get<Attack>(events[0].value).target_id);
    }
    EXPECT_EQ(chosen, walls);
}

TEST(AttackPhase, OneCandidateStillTakesADraw) {
    Model model = empty_model();
    usize me = add_player(model, 0);
    usize foe = add_player(model, 1);
    usize turret = add_entity(model, T::Turret, me, at(8, 8));
    // Inactive: the turret is the only ready entity.
    usize wall = add_entity(model, {T::Wall, foe, at(8, 5), std::nullopt, false});
    stand(model, turret, attack(std::nullopt, AutoAttack{5, {}}));
    CountingRng rng;
    EXPECT_EQ(play(model, rng), std::vector<Event>{attack_event(turret, wall)});
    // One ready entity: no shuffle draws; the choice among one is the only draw.
    EXPECT_EQ(rng.u32_count, 1u);
    EXPECT_EQ(rng.u64_count, 0u);
}

TEST(AttackPhase, SecondHitOnTheDeadDealsNothingButIsAnEvent) {
    Model model = empty_model();
    usize me = add_player(model, 0);
    usize foe = add_player(model, 1);
    usize first = add_entity(model, T::Turret, me, at(2, 2));
    usize second = add_entity(model, T::Turret, me, at(2, 6));
    usize wall = add_entity(model, {T::Wall, foe, at(5, 4), 5});
    stand(model, first, attack(wall));
    stand(model, second, attack(wall));
    CountingRng rng;
    auto events = play(model, rng);
    EXPECT_EQ(events.size(), 2u);
    EXPECT_EQ(player(model, me).score, properties_of(model, T::Wall).destroy_score);
    EXPECT_EQ(model.entities.get(wall), nullptr);
}

TEST(AttackPhase, TheDeadStillTakeTheirTurn) {
    Model model = empty_model();
    usize a = add_player(model, 0);
    usize b = add_player(model, 1);
    usize turret_a = add_entity(model, {T::Turret, a, at(2, 2), 5});
    usize turret_b = add_entity(model, {T::Turret, b, at(6, 2), 5});
    stand(model, turret_a, attack(turret_b));
    stand(model, turret_b, attack(turret_a));
    CountingRng rng;
    EXPECT_EQ(play(model, rng).size(), 2u);
    EXPECT_TRUE(model.entities.by_id.empty());
    // Both killing blows count; with no entity left, nobody is the lone survivor.
    EXPECT_EQ(player(model, a).score, properties_of(model, T::Turret).destroy_score);
    EXPECT_EQ(player(model, b).score, properties_of(model, T::Turret).destroy_score);
}

TEST(AttackPhase, EventsFollowTheShuffledOrder) {
    Model model = empty_model();
    usize me = add_player(model, 0);
    usize foe = add_player(model, 1);
    std::vector<usize> turrets;
    for (usize y : {0, 5, 10}) {
        usize turret = add_entity(model, T::Turret, me, at(2, y));
        usize wall = add_entity(model, {T::Wall, foe, at(4, y), std::nullopt, false});
        stand(model, turret, attack(wall));
        turrets.push_back(turret);
    }
    // Shuffle of [t0, t1, t2]: below(3) from 0xFFFFFFFF is 2 (no swap), then
    // below(2) from 0 is 0 (swap the first two).
    ScriptedRng rng({0xFFFFFFFFu, 0});
    auto events = play(model, rng);
    ASSERT_EQ(events.size(), 3u);
    std::vector<usize> order;
    for (const auto& event : events) order.push_back(std::get<Attack>(event.value).attacker_id);
    EXPECT_EQ(order, (std::vector<usize>{turrets[1], turrets[0], turrets[2]}));
}

}  // namespace
}  // namespace velmora::model
