#include <gtest/gtest.h>

#include <functional>
#include <string>

#include <pakko/pakko.hpp>

#include "test_support/log_capture.hpp"
#include "model_fixture.hpp"
#include "velmora/model/frames.hpp"
#include "velmora/model/player_view.hpp"
#include "velmora/model/turn.hpp"
#include "velmora/quickstart_player.hpp"

namespace velmora::model {
namespace {

using namespace testing;
using T = EntityType;
using kimbly::logger::LevelFilter;
using test_support::LogCapture;

constexpr const char* TURN_LOG = "velmora::model::turn";

// Two players on a 30-cell map: a melee unit each and an unowned resource.
struct Duel {
    Model model = empty_model(30);
    usize a = add_player(model, 0);
    usize b = add_player(model, 1);
    usize unit_a = add_entity(model, T::MeleeUnit, a, at(2, 2));
    usize unit_b = add_entity(model, T::MeleeUnit, b, at(20, 20));
    usize resource = add_entity(model, T::Resource, std::nullopt, at(10, 10));
};

std::map<usize, Action> orders(usize player_index, usize entity_id, EntityAction action) {
    Action sent;
    sent.entity_actions[entity_id] = std::move(action);
    return {{player_index, std::move(sent)}};
}

struct DroppedCase {
    std::string name;
    usize sender_index;
    std::function<usize(const Duel&)> entity_id;
    std::string log_line;
};

TEST(ProcessTurn, DroppedOrdersAreLoggedAndTheTickGoesOn) {
    const std::vector<DroppedCase> cases = {
        {"no such entity", 0, [](const Duel&) { return usize{999}; }, "ERROR Got action for non-existent entity"},
        {"another player's entity", 0, [](const Duel& d) { return d.unit_b; },
         "ERROR Got action for entity not belonging to the player"},
        {"an unowned resource", 1, [](const Duel& d) { return d.resource; },
         "ERROR Got action for entity not belonging to the player"},
    };
    IN_CHILD_WITH_LOG(LevelFilter::Trace, [&] {
        for (const auto& c : cases) {
            SCOPED_TRACE(c.name);
            LogCapture::clear();
            Duel d;
            CountingRng rng;
            play(d.model, rng, orders(c.sender_index, c.entity_id(d), move_to(at(5, 5))));
            EXPECT_EQ(LogCapture::records(TURN_LOG), std::vector<std::string>{c.log_line});
            EXPECT_TRUE(d.model.entity_actions.by_id.empty());
            EXPECT_EQ(d.model.current_tick, 1u);
        }
        // Both players order the same unit: only its owner's order stands.
        LogCapture::clear();
        Duel d;
        auto sent = orders(0, d.unit_a, move_to(at(3, 2)));
        sent[1].entity_actions[d.unit_a] = move_to(at(2, 3));
        CountingRng rng;
        play(d.model, rng, sent);
        EXPECT_EQ(LogCapture::records(TURN_LOG),
                  std::vector<std::string>{"ERROR Got action for entity not belonging to the player"});
        EXPECT_EQ(d.model.entity_actions.by_id.at(d.unit_a).action, move_to(at(3, 2)));
        EXPECT_EQ(entity(d.model, d.unit_a).position, at(3, 2));

        // A flood of bad orders: each tick logs its first ten, then how many
        // more there were.
        LogCapture::clear();
        Duel flooded;
        Action flood;
        for (usize id = 1000; id < 1500; ++id) flood.entity_actions[id] = move_to(at(5, 5));
        flood.entity_actions[flooded.unit_b] = move_to(at(5, 5));
        // The foreign unit's id is the lowest, so its order comes first.
        std::vector<std::string> tick_lines{"ERROR Got action for entity not belonging to the player"};
        tick_lines.insert(tick_lines.end(), 9, "ERROR Got action for non-existent entity");
        tick_lines.push_back("ERROR 491 more orders for missing or foreign entities were dropped");
        auto expected = tick_lines;
        expected.insert(expected.end(), tick_lines.begin(), tick_lines.end());
        for (int tick = 0; tick < 2; ++tick) play(flooded.model, rng, {{0, flood}});
        EXPECT_EQ(LogCapture::records(TURN_LOG), expected);
    });
}

TEST(ProcessTurn, StandingOrdersRepeatUntilReplaced) {
    Duel d;
    d.model.passive_income = 3;
    CountingRng rng;
    play(d.model, rng, orders(0, d.unit_a, move_to(at(2, 9))));
    play(d.model, rng);
    EXPECT_EQ(entity(d.model, d.unit_a).position, at(2, 4));
    EXPECT_EQ(d.model.current_tick, 2u);
    EXPECT_EQ(player(d.model, d.a).resource, 6u);
    EXPECT_EQ(player(d.model, d.b).resource, 6u);

    // An order with no parts replaces the old one whole: the unit stops.
    play(d.model, rng, orders(0, d.unit_a, EntityAction{}));
    play(d.model, rng);
    EXPECT_EQ(entity(d.model, d.unit_a).position, at(2, 4));
    EXPECT_EQ(d.model.entity_actions.by_id.at(d.unit_a).action, EntityAction{});
}

TEST(ProcessTurn, StandingOrdersOutliveTheirEntities) {
    Duel d;
    d.model.entities.by_id.at(d.unit_b).health = 5;
    d.model.entities.by_id.at(d.unit_b).position = at(3, 2);
    stand(d.model, d.unit_b, move_to(at(20, 20)));
    stand(d.model, d.unit_a, attack(d.unit_b));
    CountingRng rng;
    play(d.model, rng);
    EXPECT_EQ(d.model.entities.get(d.unit_b), nullptr);
    EXPECT_NE(d.model.entity_actions.get(d.unit_b), nullptr);
}

struct SurvivorCase {
    std::string name;
    usize players;
    std::vector<bool> dies;  // per player's melee unit
    std::vector<usize> scores_after;
};

TEST(ProcessTurn, LoneSurvivorOfTwoCollectsTheOthersScore) {
    // Player i has score 100 * (i + 1) and one unit; a foe's turret beside a
    // doomed unit (health 5) kills it. Turrets are unowned here, so they keep
    // no one in the game.
    const std::vector<SurvivorCase> cases = {
        {"two players, one left", 2, {false, true}, {100 + 200, 200}},
        {"two players, both gone", 2, {true, true}, {100, 200}},
        {"two players, both left", 2, {false, false}, {100, 200}},
        {"three players, one left", 3, {false, true, true}, {100, 200, 300}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Model model = empty_model(30);
        std::vector<usize> ids;
        for (usize i = 0; i < c.players; ++i) ids.push_back(add_player(model, i, 0, 100 * (i + 1)));
        for (usize i = 0; i < c.players; ++i) {
            usize unit = add_entity(model, {T::MeleeUnit, ids[i], at(2, 4 * i), c.dies[i] ? 5 : 50});
            if (!c.dies[i]) continue;
            usize turret = add_entity(model, T::Turret, std::nullopt, at(5, 4 * i));
            stand(model, turret, attack(unit));
        }
        CountingRng rng;
        play(model, rng);
        for (usize i = 0; i < c.players; ++i) EXPECT_EQ(player(model, ids[i]).score, c.scores_after[i]) << i;
    }
}

TEST(ProcessTurn, IdleReadyEntitiesTakeOnlyTheShuffles) {
    for (usize k : {1, 2, 5}) {
        Model model = empty_model(30);
        usize p = add_player(model, 0);
        for (usize i = 0; i < k; ++i) add_entity(model, T::Wall, p, at(i, 0));
        // Inactive entities are not ready and take no part.
        add_entity(model, {T::Wall, p, at(10, 10), 5, false});
        CountingRng rng;
        play(model, rng);
        // Three shuffles of k entities; below(n) draws once unless it must
        // reject, which none of these first values of the seed do.
        EXPECT_EQ(rng.u32_count, 3 * (k - 1)) << k;
        EXPECT_EQ(rng.u64_count, 0u);
    }
}

// Two players' bases, units and some resources, inserted in the given order.
Model skirmish(bool reversed) {
    Model model = empty_model(30);
    model.passive_income = 1;
    add_player(model, 0, 100);
    add_player(model, 1, 100);
    std::vector<EntitySpec> specs = {
        {T::BuilderBase, 1, at(2, 2)},   {T::BuilderUnit, 1, at(8, 3)}, {T::MeleeUnit, 1, at(8, 5)},
        {T::RangedBase, 1, at(2, 10)},   {T::BuilderBase, 2, at(23, 23)}, {T::BuilderUnit, 2, at(21, 26)},
        {T::MeleeUnit, 2, at(22, 21)},   {T::Turret, 2, at(18, 18)},
    };
    for (usize x = 12; x < 18; ++x)
        for (usize y = 12; y < 18; y += 2) specs.push_back({T::Resource, std::nullopt, at(x, y)});
    std::vector<Entity> entities;
    for (const auto& spec : specs) {
        usize id = model.next_id++;
        entities.push_back({id, spec.owner, spec.type, spec.position,
                            properties_of(model, spec.type).max_health, true});
    }
    if (reversed) std::reverse(entities.begin(), entities.end());
    for (auto& e : entities) model.entities.by_id.emplace(e.id, e);
    return model;
}

// Every player's quick-start orders, converted once into the game frame.
std::map<usize, Action> quickstart_orders(const Model& model) {
    std::map<usize, Action> actions;
    for (const Player& p : model.players.iter()) {
        Action action = quickstart_player::decide(player_view(model, p));
        convert_action(model, action, p.index);
        actions[p.index] = std::move(action);
    }
    return actions;
}

TEST(ProcessTurn, InsertionOrderDoesNotMatter) {
    Model first = skirmish(false);
    Model second = skirmish(true);
    CountingRng rng_first(7);
    CountingRng rng_second(7);
    std::size_t attacks = 0;
    for (int tick = 0; tick < 50; ++tick) {
        auto events_first = process_turn(first, rng_first, quickstart_orders(first));
        auto events_second = process_turn(second, rng_second, quickstart_orders(second));
        ASSERT_EQ(events_first, events_second) << "tick " << tick;
        ASSERT_EQ(pakko::to_bytes(first), pakko::to_bytes(second)) << "tick " << tick;
        attacks += events_first.size();
    }
    // The match did something worth comparing.
    EXPECT_GT(attacks, 0u);
    EXPECT_GT(first.next_id, skirmish(false).next_id);
}

}  // namespace
}  // namespace velmora::model
