#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include <kimbly/chacha20.hpp>
#include <kimbly/panic.hpp>

#include "model_fixture.hpp"
#include "velmora/model/pathfind.hpp"
#include "velmora/model/search_queue.hpp"
#include "velmora/model/sight.hpp"
#include "velmora/model/tile_map.hpp"

namespace velmora::model {
namespace {

using namespace testing;
using pathfind::SearchResult;

// A unit of player 1 at (10, 10) on a visible 20-cell map, heading for (13, 10).
struct Scene {
    Model model = empty_model(20);
    usize me = add_player(model, 0);
    usize foe = add_player(model, 1);
    usize unit = add_entity(model, EntityType::MeleeUnit, me, at(10, 10));

    SightGrid sight() const { return sight_range_map(model, model.players.get(me)); }

    SearchResult search(kimbly::rng::Rng& rng, kimbly::Vec2Usize target, bool break_through = false,
                        std::optional<usize> budget = std::nullopt) const {
        return search_with(rng, sight(), target, break_through, budget);
    }
    SearchResult search_with(kimbly::rng::Rng& rng, const SightGrid& grid, kimbly::Vec2Usize target,
                             bool break_through, std::optional<usize> budget) const {
        auto goal = [target](usize, kimbly::Vec2Usize cell) { return manhattan_distance(cell, target); };
        return pathfind::pathfind(rng, model.map_size, model.entities, model.entity_properties.value,
                                  TileMap::get(model), grid, entity(model, unit), goal, break_through,
                                  budget.value_or(model.max_pathfind_nodes));
    }
    // The cost the last search on this thread recorded for a cell.
    static usize cost_at(kimbly::Vec2Usize cell) { return pathfind::thread_state().get(cell.x, cell.y)->cost; }
};

struct RouteCase {
    std::string name;
    std::function<void(Scene&)> setup;
    bool break_through;
    std::set<std::pair<usize, usize>> first_steps;
    usize cost_at_target;
};

TEST(Pathfind, RoutesAndPrices) {
    const std::vector<RouteCase> cases = {
        {"empty map", [](Scene&) {}, false, {{11, 10}}, 3},
        {"own entity in the way", [](Scene& s) { add_entity(s.model, EntityType::MeleeUnit, s.me, at(11, 10)); },
         false, {{10, 11}, {10, 9}}, 5},
        {"own entity, breaking through", [](Scene& s) { add_entity(s.model, EntityType::Wall, s.me, at(11, 10)); },
         true, {{10, 11}, {10, 9}}, 5},
        {"enemy without breaking through", [](Scene& s) { add_entity(s.model, EntityType::Wall, s.foe, at(11, 10)); },
         false, {{10, 11}, {10, 9}}, 5},
        // Health 5 against damage 5: one attack, priced like an empty cell.
        {"weak enemy, breaking through",
         [](Scene& s) { add_entity(s.model, {EntityType::Wall, s.foe, at(11, 10), 5}); }, true, {{11, 10}}, 3},
        // Health 12 against damage 5: three attacks.
        {"sturdy enemy, breaking through",
         [](Scene& s) { add_entity(s.model, {EntityType::Wall, s.foe, at(11, 10), 12}); }, true, {{11, 10}, {10, 11}, {10, 9}},
         5},
        {"resource of 30 against damage 5 costs 6",
         [](Scene& s) {
             add_entity(s.model, EntityType::Resource, std::nullopt, at(11, 10));
             for (usize y : {9, 11}) add_entity(s.model, EntityType::Wall, s.me, at(10, y));
         },
         true, {{11, 10}}, 8},
        {"unowned mover is blocked by resources",
         [](Scene& s) {
             s.model.entities.by_id.at(s.unit).player_id.reset();
             add_entity(s.model, EntityType::Resource, std::nullopt, at(11, 10));
         },
         true, {{10, 11}, {10, 9}}, 5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        for (std::uint64_t seed = 1; seed <= 8; ++seed) {
            Scene scene;
            c.setup(scene);
            CountingRng rng(seed);
            auto result = scene.search(rng, at(13, 10), c.break_through);
            EXPECT_EQ(result.best_cell, at(13, 10));
            EXPECT_EQ(result.goal_value, 0u);
            EXPECT_TRUE(c.first_steps.contains({result.first_step.x, result.first_step.y}))
                << result.first_step.x << "," << result.first_step.y;
            EXPECT_EQ(Scene::cost_at(at(13, 10)), c.cost_at_target);
        }
    }
}

TEST(Pathfind, DetourSideDependsOnTheGenerator) {
    std::set<std::pair<usize, usize>> seen;
    for (std::uint64_t seed = 1; seed <= 40; ++seed) {
        Scene scene;
        add_entity(scene.model, EntityType::MeleeUnit, scene.me, at(11, 10));
        CountingRng rng(seed);
        auto step = scene.search(rng, at(13, 10)).first_step;
        seen.insert({step.x, step.y});
    }
    EXPECT_EQ(seen, (std::set<std::pair<usize, usize>>{{10, 9}, {10, 11}}));
}

TEST(Pathfind, UnseenCellsCountAsFree) {
    Scene scene;
    scene.model.fog_of_war = true;
    // The foe's wall is right in the way, but the unit's owner cannot see it:
    // only a sight grid with that one cell hidden.
    add_entity(scene.model, EntityType::Wall, scene.foe, at(11, 10));
    SightGrid grid;
    grid.map_size = 20;
    grid.counters.assign(400, 1);
    grid.at(11, 10) = 0;
    CountingRng rng;
    auto result = scene.search_with(rng, grid, at(13, 10), false, std::nullopt);
    EXPECT_EQ(result.first_step, at(11, 10));
    EXPECT_EQ(Scene::cost_at(at(13, 10)), 3u);
}

TEST(Pathfind, EnclosedTargetGivesTheNearestReachableCell) {
    Scene scene;
    for (auto cell : {at(12, 10), at(14, 10), at(13, 9), at(13, 11)})
        add_entity(scene.model, EntityType::Wall, scene.me, cell);
    CountingRng rng;
    auto result = scene.search(rng, at(13, 10));
    // Distance 2 is the best any reachable cell gets; (11, 10) has it at cost 1.
    EXPECT_EQ(result.goal_value, 2u);
    EXPECT_EQ(result.best_cell, at(11, 10));
    EXPECT_EQ(result.first_step, at(11, 10));
}

TEST(Pathfind, EqualValueAndCostTiesAreDrawn) {
    // The target cell and its left and right neighbours are own walls: (12, 9)
    // and (12, 11) both have goal value 1 at cost 3, and a draw picks one.
    std::set<std::pair<usize, usize>> seen;
    for (std::uint64_t seed = 1; seed <= 40; ++seed) {
        Scene scene;
        for (auto cell : {at(11, 10), at(13, 10), at(12, 10)}) add_entity(scene.model, EntityType::Wall, scene.me, cell);
        CountingRng rng(seed);
        auto result = scene.search(rng, at(12, 10));
        EXPECT_EQ(result.goal_value, 1u);
        seen.insert({result.best_cell.x, result.best_cell.y});
    }
    EXPECT_EQ(seen, (std::set<std::pair<usize, usize>>{{12, 9}, {12, 11}}));
}

struct BudgetCase {
    usize budget;
    kimbly::Vec2Usize target;
    kimbly::Vec2Usize best;
    kimbly::Vec2Usize first_step;
    usize goal_value;
    std::size_t u32_draws;
    std::size_t u64_draws;
};

TEST(Pathfind, NodeBudgetBoundsExpansionsAndDraws) {
    const std::vector<BudgetCase> cases = {
        // Only the start: its tie-break, then the tie with itself when popped.
        {0, at(13, 10), at(10, 10), at(10, 10), 3, 1, 1},
        // The start is expanded: four neighbours, each with its draw.
        {1, at(13, 10), at(11, 10), at(11, 10), 2, 5, 1},
        // (12, 10) was queued by the second expansion and never expanded.
        {2, at(19, 10), at(12, 10), at(11, 10), 7, 8, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("budget " + std::to_string(c.budget));
        Scene scene;
        CountingRng rng;
        auto result = scene.search(rng, c.target, false, c.budget);
        EXPECT_EQ(result.best_cell, c.best);
        EXPECT_EQ(result.first_step, c.first_step);
        EXPECT_EQ(result.goal_value, c.goal_value);
        EXPECT_EQ(rng.u32_count, c.u32_draws);
        EXPECT_EQ(rng.u64_count, c.u64_draws);
    }
}

TEST(Pathfind, GoalIsAskedOnceForTheStartAndPerPopAndEntry) {
    Scene scene;
    std::vector<std::pair<usize, kimbly::Vec2Usize>> calls;
    auto goal = [&calls](usize cost, kimbly::Vec2Usize cell) {
        calls.emplace_back(cost, cell);
        // Only the start and its right neighbour are enterable.
        return cell == at(10, 10) ? 1 : cell == at(11, 10) ? usize{0} : pathfind::NOT_ENTERABLE;
    };
    CountingRng rng;
    auto result = pathfind::pathfind(rng, 20, scene.model.entities, scene.model.entity_properties.value,
                                     TileMap::get(scene.model), scene.sight(), entity(scene.model, scene.unit), goal,
                                     false, 10);
    EXPECT_EQ(result.best_cell, at(11, 10));
    // Start before the loop, start popped, four neighbours offered, (11, 10)
    // popped, then its three fresh neighbours offered.
    ASSERT_EQ(calls.size(), 10u);
    EXPECT_EQ(calls[0], (std::pair<usize, kimbly::Vec2Usize>{0, at(10, 10)}));
    EXPECT_EQ(calls[1], (std::pair<usize, kimbly::Vec2Usize>{0, at(10, 10)}));
    EXPECT_EQ(calls[2], (std::pair<usize, kimbly::Vec2Usize>{1, at(9, 10)}));
    EXPECT_EQ(calls[3], (std::pair<usize, kimbly::Vec2Usize>{1, at(11, 10)}));
    EXPECT_EQ(calls[4], (std::pair<usize, kimbly::Vec2Usize>{1, at(10, 11)}));
    EXPECT_EQ(calls[5], (std::pair<usize, kimbly::Vec2Usize>{1, at(10, 9)}));
    EXPECT_EQ(calls[6], (std::pair<usize, kimbly::Vec2Usize>{1, at(11, 10)}));
    // Not-enterable neighbours still took their draw: 1 + 4 + 3 values.
    EXPECT_EQ(rng.u32_count, 8u);
}

// Entries with equal keys leave in the order the standard heap gives them:
// that order is part of every match that was ever played.
TEST(Pathfind, QueueLeavesAsTheStandardHeap) {
    auto rng = kimbly::rng::ChaCha20Rng::seed_from_u64(3);
    std::vector<pathfind::QueueEntry> ours;
    std::vector<pathfind::QueueEntry> standard;
    std::vector<std::uint16_t> our_order;
    std::vector<std::uint16_t> standard_order;
    std::uint16_t serial = 0;
    auto pop_both = [&] {
        our_order.push_back(pathfind::pop_top(ours).x);
        std::pop_heap(standard.begin(), standard.end(), pathfind::Below{});
        standard_order.push_back(standard.back().x);
        standard.pop_back();
    };
    for (int round = 0; round < 2000; ++round) {
        // Pushes outnumber pops, and keys repeat often.
        if (kimbly::rng::below(rng, 3) != 0 || ours.empty()) {
            const pathfind::QueueEntry entry{pathfind::queue_key(kimbly::rng::below(rng, 4),
                                                                 static_cast<std::uint32_t>(kimbly::rng::below(rng, 3))),
                                             0, serial++, 0};
            pathfind::push(ours, entry);
            standard.push_back(entry);
            std::push_heap(standard.begin(), standard.end(), pathfind::Below{});
        } else {
            pop_both();
        }
    }
    while (!ours.empty()) pop_both();
    EXPECT_EQ(our_order, standard_order);
}

TEST(Pathfind, ScratchIsReusedPerMapSize) {
    Scene scene;
    CountingRng rng;
    scene.search(rng, at(13, 10));
    const auto generation = pathfind::thread_state().generation();
    const void* storage = pathfind::thread_state().storage();
    scene.search(rng, at(13, 10));
    EXPECT_EQ(pathfind::thread_state().generation(), generation + 1);
    EXPECT_EQ(pathfind::thread_state().storage(), storage);

    Scene bigger;
    bigger.model.map_size = 30;
    SightGrid grid;
    grid.map_size = 30;
    grid.counters.assign(900, 1);
    bigger.search_with(rng, grid, at(13, 10), false, std::nullopt);
    EXPECT_EQ(pathfind::thread_state().generation(), generation + 2);
    EXPECT_EQ(pathfind::thread_state().width(), 30u);
    EXPECT_EQ(pathfind::thread_state().height(), 30u);
}

TEST(Pathfind, NestedSearchStopsAndReleasesTheScratch) {
    Scene scene;
    CountingRng rng;
    const TileMap tiles = TileMap::get(scene.model);
    const SightGrid grid = scene.sight();
    const Entity& unit = entity(scene.model, scene.unit);
    auto plain = [](usize, kimbly::Vec2Usize) { return usize{1}; };
    auto nested = [&](usize, kimbly::Vec2Usize) {
        pathfind::pathfind(rng, 20, scene.model.entities, scene.model.entity_properties.value, tiles, grid, unit,
                           plain, false, 1);
        return usize{1};
    };
    EXPECT_THROW(pathfind::pathfind(rng, 20, scene.model.entities, scene.model.entity_properties.value, tiles, grid,
                                    unit, nested, false, 1),
                 kimbly::Panic);
    EXPECT_NO_THROW(pathfind::pathfind(rng, 20, scene.model.entities, scene.model.entity_properties.value, tiles,
                                       grid, unit, plain, false, 1));
}

TEST(Pathfind, ZeroDamageMoverCannotBreakThrough) {
    Scene scene;
    scene.model.entity_properties.value.at(EntityType::MeleeUnit).attack->damage = 0;
    add_entity(scene.model, EntityType::Wall, scene.foe, at(11, 10));
    CountingRng rng;
    auto result = scene.search(rng, at(13, 10), true);
    EXPECT_NE(result.first_step, at(11, 10));
    EXPECT_EQ(Scene::cost_at(at(13, 10)), 5u);
}

TEST(TileMap, CoversSquaresAndLaterEntitiesWin) {
    Model model = empty_model(10);
    usize p = add_player(model, 0);
    usize house = add_entity(model, EntityType::House, p, at(2, 3));
    usize unit = add_entity(model, EntityType::MeleeUnit, p, at(4, 5));  // on the house's corner
    TileMap tiles = TileMap::get(model);
    EXPECT_EQ(tiles.at(2, 3), Tile::entity(house));
    EXPECT_EQ(tiles.at(4, 4), Tile::entity(house));
    EXPECT_EQ(tiles.at(4, 5), Tile::entity(unit));
    EXPECT_EQ(tiles.at(5, 5), Tile::empty());
    EXPECT_EQ(tiles.at(1, 3), Tile::empty());

    std::vector<Entity> list;
    for (const auto& e : model.entities.iter()) list.push_back(e);
    EXPECT_EQ(TileMap::get_with(10, list, model.entity_properties.value), tiles);
}

}  // namespace
}  // namespace velmora::model
