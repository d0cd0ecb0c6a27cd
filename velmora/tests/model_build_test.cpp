#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>

#include "model_fixture.hpp"

namespace velmora::model {
namespace {

using namespace testing;
using T = EntityType;

// Player `me` owns an active builder base at (5, 5) (cells 5..9); the foe
// owns a wall far away so that the game goes on.
struct Base {
    Model model = empty_model(30);
    usize me = add_player(model, 0, 1000);
    usize foe = add_player(model, 1);
    usize base = add_entity(model, T::BuilderBase, me, at(5, 5));
    usize foe_wall = add_entity(model, T::Wall, foe, at(28, 28));

    void units(usize count, bool active = true, T type = T::BuilderUnit) {
        for (usize i = 0; i < count; ++i) add_entity(model, {type, me, at(20 + i, 1), std::nullopt, active});
    }
};

struct BuildCase {
    std::string name;
    std::function<void(Base&)> setup;
    std::function<usize(Base&)> builder;  // the entity given the order
    T type;
    kimbly::Vec2Usize position;
    usize resource;
    bool uses_id;
    bool builds;
    usize cost;
};

TEST(BuildPhase, ConditionsCostsAndIds) {
    auto base = [](Base& b) { return b.base; };
    auto none = [](Base&) {};
    // A builder unit at (15, 5).
    auto builder_unit = [](Base& b) { return add_entity(b.model, T::BuilderUnit, b.me, at(15, 5)); };
    const std::vector<BuildCase> cases = {
        {"first unit", none, base, T::BuilderUnit, at(10, 9), 100, true, true, 10},
        {"fifth unit costs four more", [](Base& b) { b.units(4); }, base, T::BuilderUnit, at(10, 9), 100, true, true, 14},
        {"exactly affordable", none, base, T::BuilderUnit, at(10, 9), 10, true, true, 10},
        {"too expensive", none, base, T::BuilderUnit, at(10, 9), 9, true, false, 0},
        {"not among the options", none, base, T::MeleeUnit, at(10, 9), 100, false, false, 0},
        {"occupied cell", [](Base& b) { add_entity(b.model, T::Resource, std::nullopt, at(10, 9)); }, base,
         T::BuilderUnit, at(10, 9), 100, true, false, 0},
        {"touching only at a corner", none, base, T::BuilderUnit, at(10, 10), 100, true, false, 0},
        {"not beside the builder", none, base, T::BuilderUnit, at(11, 9), 100, true, false, 0},
        {"off the map", none, [](Base& b) { return add_entity(b.model, T::BuilderUnit, b.me, at(29, 5)); }, T::Wall,
         at(30, 5), 100, true, false, 0},
        {"square reaching past the edge", none,
         [](Base& b) { return add_entity(b.model, T::BuilderUnit, b.me, at(27, 5)); }, T::House, at(28, 5), 100,
         true, false, 0},
        // Four units use 4: with the base's 5, one more fits.
        {"population: one more fits", [](Base& b) { b.units(4); }, base, T::BuilderUnit, at(10, 9), 100, true, true,
         14},
        {"population: full", [](Base& b) { b.units(5); }, base, T::BuilderUnit, at(10, 9), 100, true, false, 0},
        {"population: inactive units count in full", [](Base& b) { b.units(4); b.units(1, false); }, base,
         T::BuilderUnit, at(10, 9), 100, true, false, 0},
        {"population: an inactive house provides nothing",
         [](Base& b) {
             b.units(5);
             add_entity(b.model, {T::House, b.me, at(20, 20), 5, false});
         },
         base, T::BuilderUnit, at(10, 9), 100, true, false, 0},
        {"population: an active house provides",
         [](Base& b) {
             b.units(5);
             add_entity(b.model, T::House, b.me, at(20, 20));
         },
         base, T::BuilderUnit, at(10, 9), 100, true, true, 15},
        {"population: other types of units count", [](Base& b) { b.units(5, true, T::MeleeUnit); }, base,
         T::BuilderUnit, at(10, 9), 100, true, false, 0},
        // Walls use no population: not limited even when it is all used.
        {"population: walls are never limited", [](Base& b) { b.units(5); }, builder_unit, T::Wall, at(16, 5), 100,
         true, true, 10},
        {"a house costs its initial cost however many exist",
         [](Base& b) {
             add_entity(b.model, T::House, b.me, at(20, 20));
             add_entity(b.model, T::House, b.me, at(24, 20));
         },
         builder_unit, T::House, at(16, 4), 100, true, true, 50},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Base b;
        c.setup(b);
        b.model.players.by_id.at(b.me).resource = c.resource;
        usize builder = c.builder(b);
        stand(b.model, builder, build(c.type, c.position));
        const usize id = b.model.next_id;
        CountingRng rng;
        play(b.model, rng);
        EXPECT_EQ(b.model.next_id, c.uses_id ? id + 1 : id);
        const Entity* built = b.model.entities.get(id);
        ASSERT_EQ(built != nullptr, c.builds);
        EXPECT_EQ(player(b.model, b.me).resource, c.resource - c.cost);
        if (!built) continue;
        EXPECT_EQ(built->entity_type, c.type);
        EXPECT_EQ(built->position, c.position);
        EXPECT_EQ(built->player_id, b.me);
    }
}

TEST(BuildPhase, NewEntitiesTakeHealthAndActivation) {
    struct Case {
        std::string name;
        T builder_type;
        T type;
        kimbly::Vec2Usize builder_at;
        kimbly::Vec2Usize position;
        usize health;
        bool active;
        usize score;
    };
    const std::vector<Case> cases = {
        // Full health: active when the tick returns, and the owner scores it.
        {"unit from a base", T::BuilderBase, T::BuilderUnit, at(5, 5), at(10, 9), 10, true, 10},
        {"house from a builder", T::BuilderUnit, T::House, at(15, 5), at(16, 4), 5, false, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Model model = empty_model(30);
        usize me = add_player(model, 0, 1000);
        usize builder = add_entity(model, c.builder_type, me, c.builder_at);
        add_entity(model, T::Wall, add_player(model, 1), at(28, 28));
        stand(model, builder, build(c.type, c.position));
        const usize id = model.next_id;
        CountingRng rng;
        play(model, rng);
        ASSERT_NE(model.entities.get(id), nullptr);
        EXPECT_EQ(entity(model, id).health, c.health);
        EXPECT_EQ(entity(model, id).active, c.active);
        EXPECT_EQ(player(model, me).score, c.score);
    }
}

TEST(BuildPhase, OverlappingBuildsGoToTheFirstInTheShuffle) {
    std::set<usize> owners;
    for (std::uint64_t seed = 1; seed <= 30; ++seed) {
        Model model = empty_model(30);
        usize a = add_player(model, 0, 1000);
        usize b = add_player(model, 1, 1000);
        // Both bases touch the cell (5, 0) along a side.
        usize left = add_entity(model, T::BuilderBase, a, at(0, 0));
        usize right = add_entity(model, T::BuilderBase, b, at(6, 0));
        stand(model, left, build(T::BuilderUnit, at(5, 0)));
        stand(model, right, build(T::BuilderUnit, at(5, 0)));
        const usize first_id = model.next_id;
        CountingRng rng(seed);
        play(model, rng);
        // Both orders use an id; the first in the shuffle builds, the second
        // finds the cell reserved.
        EXPECT_EQ(model.next_id, first_id + 2);
        EXPECT_EQ(model.entities.get(first_id + 1), nullptr);
        ASSERT_NE(model.entities.get(first_id), nullptr);
        usize winner = *entity(model, first_id).player_id;
        usize loser = winner == a ? b : a;
        EXPECT_EQ(player(model, winner).resource, 1000u - 10u);
        EXPECT_EQ(player(model, loser).resource, 1000u);
        owners.insert(winner);
    }
    EXPECT_EQ(owners.size(), 2u);
}

TEST(BuildPhase, CellsFreedDuringTheTickStayTaken) {
    struct Case {
        std::string name;
        std::function<void(Model&, usize me, usize foe)> setup;
    };
    const std::vector<Case> cases = {
        {"a unit moving away", [](Model& m, usize me, usize) {
             usize unit = add_entity(m, T::MeleeUnit, me, at(10, 9));
             stand(m, unit, move_to(at(11, 9)));
             m.entities.by_id.at(unit).health = 49;  // marks it for the check below
         }},
        {"an entity killed in the attack phase", [](Model& m, usize me, usize foe) {
             usize wall = add_entity(m, {T::Wall, foe, at(10, 9), 5});
             usize turret = add_entity(m, T::Turret, me, at(12, 9));
             stand(m, turret, attack(wall));
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Model model = empty_model(30);
        usize me = add_player(model, 0, 1000);
        usize foe = add_player(model, 1);
        add_entity(model, T::Wall, foe, at(28, 28));
        usize base = add_entity(model, T::BuilderBase, me, at(5, 5));
        c.setup(model, me, foe);
        stand(model, base, build(T::BuilderUnit, at(10, 9)));
        const usize id = model.next_id;
        CountingRng rng;
        play(model, rng);
        EXPECT_EQ(model.entities.get(id), nullptr);
        // The cell was left or cleared all the same.
        for (const Entity& e : model.entities.iter()) EXPECT_NE(e.position, at(10, 9)) << e.id;
    }
}

// A builder unit of `me` at (10, 10) with a standing repair order that also
// walks to (10, 15), so that staying put shows it repaired.
struct RepairCase {
    std::string name;
    T target_type;
    bool foes;
    kimbly::Vec2Usize target_at;
    usize health;
    bool killed_first;
    usize health_after;
    bool repaired;
};

TEST(RepairPhase, TargetsAndReadiness) {
    const std::vector<RepairCase> cases = {
        {"own house", T::House, false, at(11, 9), 40, false, 41, true},
        {"another player's house", T::House, true, at(11, 9), 40, false, 41, true},
        {"already whole: done all the same", T::House, false, at(11, 9), 50, false, 50, true},
        {"own unit", T::MeleeUnit, false, at(9, 10), 40, false, 41, true},
        {"resources cannot be repaired", T::Resource, false, at(9, 10), 20, false, 20, false},
        {"touching only at a corner", T::Wall, false, at(11, 11), 20, false, 20, false},
        {"destroyed earlier in the tick", T::Wall, false, at(9, 10), 5, true, 0, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Model model = empty_model(30);
        usize me = add_player(model, 0);
        usize foe = add_player(model, 1);
        add_entity(model, T::Wall, foe, at(28, 28));
        std::optional<usize> owner = c.target_type == T::Resource ? std::nullopt : std::optional<usize>(c.foes ? foe : me);
        usize target = add_entity(model, {c.target_type, owner, c.target_at, c.health});
        usize builder = add_entity(model, T::BuilderUnit, me, at(10, 10));
        EntityAction order = move_to(at(10, 15));
        order.repair_action = RepairAction{target};
        stand(model, builder, order);
        if (c.killed_first) {
            usize turret = add_entity(model, T::Turret, foe, at(5, 10));
            stand(model, turret, attack(target));
        }
        CountingRng rng;
        play(model, rng);
        if (c.health_after == 0) {
            EXPECT_EQ(model.entities.get(target), nullptr);
        } else {
            EXPECT_EQ(entity(model, target).health, c.health_after);
        }
        EXPECT_EQ(entity(model, builder).position, c.repaired ? at(10, 10) : at(10, 11));
    }
}

TEST(RepairPhase, ReachingFullHealthActivatesAndScores) {
    Model model = empty_model(30);
    usize me = add_player(model, 0);
    add_entity(model, T::Wall, add_player(model, 1), at(28, 28));
    usize house = add_entity(model, {T::House, me, at(11, 9), 48, false});
    usize builder = add_entity(model, T::BuilderUnit, me, at(10, 10));
    stand(model, builder, repair(house));
    CountingRng rng;
    play(model, rng);
    EXPECT_EQ(entity(model, house).health, 49u);
    EXPECT_FALSE(entity(model, house).active);
    EXPECT_EQ(player(model, me).score, 0u);
    play(model, rng);
    EXPECT_EQ(entity(model, house).health, 50u);
    EXPECT_TRUE(entity(model, house).active);
    EXPECT_EQ(player(model, me).score, properties_of(model, T::House).build_score);
}

}  // namespace
}  // namespace velmora::model
