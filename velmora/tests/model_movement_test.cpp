#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>

#include "model_fixture.hpp"

namespace velmora::model {
namespace {

using namespace testing;
using T = EntityType;

// Units of player `me` (index 0) on a visible 20-cell map; the foe owns a
// wall in the far corner so that the game goes on.
struct Field {
    Model model = empty_model(20);
    usize me = add_player(model, 0);
    usize foe = add_player(model, 1);
    usize foe_wall = add_entity(model, T::Wall, foe, at(19, 19));

    usize unit(kimbly::Vec2Usize cell, std::optional<EntityAction> order = std::nullopt, usize health = 50) {
        usize id = add_entity(model, {T::MeleeUnit, me, cell, health});
        if (order) stand(model, id, *order);
        return id;
    }
};

struct MoveCase {
    std::string name;
    // Adds the units; returns each unit's id with the cell it must end in.
    std::function<std::vector<std::pair<usize, kimbly::Vec2Usize>>(Field&)> setup;
};

TEST(Movement, Chains) {
    const std::vector<MoveCase> cases = {
        {"step into a free neighbour", [](Field& f) {
             return std::vector{std::pair{f.unit(at(5, 5), move_to(at(6, 5))), at(6, 5)}};
         }},
        {"a line follows its head in one tick", [](Field& f) {
             return std::vector{std::pair{f.unit(at(5, 5), move_to(at(6, 5))), at(6, 5)},
                                std::pair{f.unit(at(4, 5), move_to(at(5, 5))), at(5, 5)},
                                std::pair{f.unit(at(3, 5), move_to(at(4, 5))), at(4, 5)},
                                std::pair{f.unit(at(3, 4), move_to(at(3, 5))), at(3, 5)}};
         }},
        {"a friend that stays blocks", [](Field& f) {
             return std::vector{std::pair{f.unit(at(5, 5), move_to(at(6, 5))), at(5, 5)},
                                std::pair{f.unit(at(6, 5)), at(6, 5)}};
         }},
        {"a swap stays", [](Field& f) {
             return std::vector{std::pair{f.unit(at(5, 5), move_to(at(6, 5))), at(5, 5)},
                                std::pair{f.unit(at(6, 5), move_to(at(5, 5))), at(6, 5)}};
         }},
        {"a closed cycle stays", [](Field& f) {
             return std::vector{std::pair{f.unit(at(5, 5), move_to(at(6, 5))), at(5, 5)},
                                std::pair{f.unit(at(6, 5), move_to(at(6, 6))), at(6, 5)},
                                std::pair{f.unit(at(6, 6), move_to(at(5, 6))), at(6, 6)},
                                std::pair{f.unit(at(5, 6), move_to(at(5, 5))), at(5, 6)}};
         }},
        {"a unit dying in the tick still moves and is followed", [](Field& f) {
             usize dying = f.unit(at(5, 5), move_to(at(6, 5)), 5);
             usize turret = add_entity(f.model, T::Turret, f.foe, at(5, 8));
             stand(f.model, turret, attack(dying));
             return std::vector{std::pair{f.unit(at(4, 5), move_to(at(5, 5))), at(5, 5)}};
         }},
        {"a cell freed by a death cannot be entered", [](Field& f) {
             usize wall = add_entity(f.model, {T::Wall, f.me, at(6, 5), 5});
             usize turret = add_entity(f.model, T::Turret, f.foe, at(6, 8));
             stand(f.model, turret, attack(wall));
             return std::vector{std::pair{f.unit(at(5, 5), move_to(at(6, 5))), at(5, 5)}};
         }},
        {"a cell reserved by a build cannot be entered", [](Field& f) {
             f.model.players.by_id.at(f.me).resource = 100;
             usize base = add_entity(f.model, T::BuilderBase, f.me, at(5, 5));
             stand(f.model, base, build(T::BuilderUnit, at(10, 9)));
             return std::vector{std::pair{f.unit(at(11, 9), move_to(at(10, 9))), at(11, 9)}};
         }},
        {"ordered to its own cell", [](Field& f) {
             return std::vector{std::pair{f.unit(at(5, 5), move_to(at(5, 5))), at(5, 5)}};
         }},
        {"ordered off the map beside it", [](Field& f) {
             return std::vector{std::pair{f.unit(at(19, 5), move_to(at(20, 5))), at(19, 5)}};
         }},
        {"an attacker does not move", [](Field& f) {
             usize wall = add_entity(f.model, T::Wall, f.foe, at(5, 4));
             EntityAction order = move_to(at(6, 5));
             order.attack_action = AttackAction{wall, std::nullopt};
             return std::vector{std::pair{f.unit(at(5, 5), order), at(5, 5)}};
         }},
        {"a foe within reach of the automatic attack comes first", [](Field& f) {
             add_entity(f.model, T::Wall, f.foe, at(5, 9));
             EntityAction order = move_to(at(15, 5));
             order.attack_action = AttackAction{std::nullopt, AutoAttack{5, {}}};
             return std::vector{std::pair{f.unit(at(5, 5), order), at(5, 6)}};
         }},
        {"a foe out of reach leaves the move order", [](Field& f) {
             add_entity(f.model, T::Wall, f.foe, at(5, 12));
             EntityAction order = move_to(at(15, 5));
             order.attack_action = AttackAction{std::nullopt, AutoAttack{5, {}}};
             return std::vector{std::pair{f.unit(at(5, 5), order), at(6, 5)}};
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        for (std::uint64_t seed = 1; seed <= 4; ++seed) {
            Field f;
            auto expected = c.setup(f);
            CountingRng rng(seed);
            play(f.model, rng);
            for (const auto& [id, cell] : expected) {
                ASSERT_NE(f.model.entities.get(id), nullptr) << id;
                EXPECT_EQ(entity(f.model, id).position, cell) << "unit " << id;
            }
        }
    }
}

TEST(Movement, ContestedCellAdmitsOneChosenAtRandom) {
    std::set<usize> winners;
    for (std::uint64_t seed = 1; seed <= 30; ++seed) {
        Field f;
        usize left = f.unit(at(4, 5), move_to(at(5, 5)));
        usize right = f.unit(at(6, 5), move_to(at(5, 5)));
        CountingRng rng(seed);
        play(f.model, rng);
        const bool left_moved = entity(f.model, left).position == at(5, 5);
        const bool right_moved = entity(f.model, right).position == at(5, 5);
        ASSERT_NE(left_moved, right_moved);
        EXPECT_EQ(entity(f.model, left_moved ? right : left).position, left_moved ? at(6, 5) : at(4, 5));
        winners.insert(left_moved ? left : right);
    }
    EXPECT_EQ(winners.size(), 2u);
}

struct DrawCase {
    std::string name;
    kimbly::Vec2Usize from;
    EntityAction order;
    std::size_t u32_draws;
};

TEST(Movement, DrawsOfALoneUnit) {
    // One ready unit: the phase shuffles take nothing.
    const std::vector<DrawCase> cases = {
        {"own cell: no search, no move", at(5, 5), move_to(at(5, 5)), 0},
        {"off the map: no search, no move", at(19, 5), move_to(at(20, 5)), 0},
        {"adjacent: no search, one choice", at(5, 5), move_to(at(5, 6)), 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Model model = empty_model(20);
        usize me = add_player(model, 0);
        usize unit = add_entity(model, T::MeleeUnit, me, c.from);
        stand(model, unit, c.order);
        CountingRng rng;
        play(model, rng);
        EXPECT_EQ(rng.u32_count, c.u32_draws);
        EXPECT_EQ(rng.u64_count, 0u);
    }
}

}  // namespace
}  // namespace velmora::model
