#include <gtest/gtest.h>

#include <random>

#include <kimbly/panic.hpp>
#include <velmora/model/default_properties.hpp>
#include <velmora/model/model.hpp>
#include <velmora/model/tick_frame.hpp>

#include "model_test_support.hpp"
#include "test_support/panic_message.hpp"

namespace velmora::model {
namespace {

using testing::hex;
using testing::to_hex;

Model sample_model() {
    Model m;
    m.next_id = 10;
    m.map_size = 80;
    m.fog_of_war = true;
    m.entity_properties.value = default_entity_properties();
    m.max_tick_count = 1000;
    m.max_pathfind_nodes = 1000;
    m.current_tick = 3;
    m.passive_income = 2;
    m.players = Collection<Player>::from_iter(std::vector<Player>{{1, 0, 5, 100}, {2, 1, 0, 40}});
    m.entities = Collection<Entity>::from_iter(std::vector<Entity>{
        {3, 1, EntityType::BuilderBase, {5, 5}, 300, true},
        {4, 2, EntityType::BuilderUnit, {70, 70}, 10, true},
        {5, std::nullopt, EntityType::Resource, {40, 40}, 30, true},
    });
    StoredAction order{4, EntityAction{MoveAction{{1, 2}, true, false}, {}, AttackAction{{}, AutoAttack{5, {}}}, {}}};
    m.entity_actions = Collection<StoredAction>::from_iter(std::vector<StoredAction>{order});
    return m;
}

std::string panic_of(const std::function<void()>& action) { return test_support::panic_message(action, "<no stop>"); }

TEST(ModelDelta, EqualStatesGiveTheSixtyOneByteDelta) {
    auto m = sample_model();
    auto delta = kimbly::diff(m, m);
    auto bytes = pakko::to_bytes(delta);
    EXPECT_EQ(bytes.size(), 61u);
    EXPECT_EQ(to_hex(std::vector<std::byte>(bytes.begin(), bytes.begin() + 25)),
              to_hex(hex("0A 00 00 00, 50 00 00 00, 01, E8 03 00 00, E8 03 00 00, 03 00 00 00, 02 00 00 00")));
    EXPECT_EQ(pakko::from_bytes<ModelDelta>(bytes), delta);
}

// Game logs written by earlier builds hold these bytes: every kind of
// collection change, in each of the three collections.
TEST(ModelDelta, FormIsPinned) {
    auto before = sample_model();
    auto after = before;
    after.next_id = 11;
    after.current_tick = 4;
    after.players.get(2)->resource = 41;
    after.entities.by_id.erase(5);
    after.entities.get(4)->health = 9;
    after.entities.by_id[10] = Entity{10, 1, EntityType::Wall, {6, 7}, 50, false};
    after.entity_actions.by_id.erase(4);
    after.entity_actions.by_id[10] = StoredAction{10, EntityAction{{}, {}, {}, RepairAction{3}}};
    auto delta = kimbly::diff(before, after);

    EXPECT_EQ(to_hex(pakko::to_bytes(delta)),
              to_hex(hex("0B 00 00 00, 50 00 00 00, 01, E8 03 00 00, E8 03 00 00, 04 00 00 00, 02 00 00 00,"
                         // players: changed 2
                         "00 00 00 00, 00 00 00 00, 01 00 00 00, 02 00 00 00, 02 00 00 00 01 00 00 00 00 00 00 00 29 00 00 00,"
                         // entities: added 10, removed 5, changed 4
                         "01 00 00 00, 0A 00 00 00 01 01 00 00 00 00 00 00 00 06 00 00 00 07 00 00 00 32 00 00 00 00,"
                         "01 00 00 00, 05 00 00 00,"
                         "01 00 00 00, 04 00 00 00, 04 00 00 00 01 02 00 00 00 03 00 00 00 46 00 00 00 46 00 00 00 09 00 00 00 01,"
                         // entity_actions: added 10, removed 4
                         "01 00 00 00, 0A 00 00 00 00 00 00 01 03 00 00 00, 01 00 00 00, 04 00 00 00, 00 00 00 00")));
    EXPECT_EQ(pakko::json::to_json(delta).dump(),
              R"({"next_id":11,"map_size":80,"fog_of_war":true,"entity_properties":null,"max_tick_count":1000,)"
              R"("max_pathfind_nodes":1000,"current_tick":4,"passive_income":2,)"
              R"("players":{"added":[],"removed":[],"changed":[[2,{"id":2,"index":1,"score":0,"resource":41}]]},)"
              R"("entities":{"added":[{"id":10,"player_id":1,"entity_type":"Wall","position":{"x":6,"y":7},)"
              R"("health":50,"active":false}],"removed":[5],"changed":[[4,{"id":4,"player_id":2,)"
              R"("entity_type":"BuilderUnit","position":{"x":70,"y":70},"health":9,"active":true}]]},)"
              R"("entity_actions":{"added":[{"entity_id":10,"action":{"move_action":null,"build_action":null,)"
              R"("attack_action":null,"repair_action":{"target":3}}}],"removed":[4],"changed":[]}})");

    std::vector<std::string> names;
    pakko::for_each_field<ModelDelta>([&](const auto& field) {
        EXPECT_EQ(field.docs.count, 0u);
        EXPECT_EQ(field.json_key, field.name);
        names.emplace_back(field.name);
    });
    EXPECT_EQ(pakko::describe<ModelDelta>().name, "ModelDelta");
    EXPECT_EQ(pakko::describe<ModelDelta>().docs.count, 0u);
    EXPECT_EQ(names, (std::vector<std::string>{"next_id", "map_size", "fog_of_war", "entity_properties",
                                               "max_tick_count", "max_pathfind_nodes", "current_tick",
                                               "passive_income", "players", "entities", "entity_actions"}));
}

TEST(ModelDelta, IncomeChangesEveryPlayer) {
    auto before = sample_model();
    auto after = before;
    for (auto& player : after.players.iter_mut()) player.resource += after.passive_income;
    after.current_tick += 1;
    auto delta = kimbly::diff(before, after);
    EXPECT_EQ(delta.of<&Model::players>().changed.size(), 2u);
    EXPECT_TRUE(delta.of<&Model::entities>().changed.empty());
    kimbly::update(before, delta);
    EXPECT_EQ(before, after);
}

TEST(ModelDelta, StatesOfDifferentTablesCannotBeDiffed) {
    auto a = sample_model();
    auto b = a;
    b.entity_properties.value.at(EntityType::Wall).max_health = 1;
    EXPECT_EQ(panic_of([&] { kimbly::diff(a, b); }), "assertion failed: self == to");
}

TEST(ModelDelta, DeltaForAnotherStateStops) {
    auto a = sample_model();
    auto b = a;
    b.entities.get(4)->health = 1;
    auto delta = kimbly::diff(a, b);
    auto other = a;
    other.entities.by_id.erase(4);
    EXPECT_EQ(panic_of([&] { kimbly::update(other, delta); }), "Delta was not built correctly");
}

TEST(ModelDelta, UpdateMatchesDiffOnRandomStates) {
    std::mt19937 random(777);
    auto base = sample_model();
    auto mutate = [&](Model m) {
        m.current_tick = random() % 1000;
        m.next_id = 20 + random() % 5;
        m.fog_of_war = random() % 2;
        for (int i = 0; i < 6; ++i) {
            usize id = 3 + random() % 10;
            switch (random() % 3) {
                case 0: m.entities.by_id.erase(id); m.entity_actions.by_id.erase(id); break;
                case 1: m.entities.by_id[id] = Entity{id, 1 + random() % 2, EntityType::MeleeUnit,
                                                      {random() % 79, random() % 79}, 1 + random() % 50, true};
                        break;
                default: m.entity_actions.by_id[id] = StoredAction{id, EntityAction{{}, {}, {}, RepairAction{random() % 9}}};
            }
        }
        for (auto& player : m.players.iter_mut()) player.score += random() % 3;
        return m;
    };
    for (int round = 0; round < 100; ++round) {
        auto a = mutate(base);
        auto b = mutate(base);
        auto delta = pakko::from_bytes<ModelDelta>(pakko::to_bytes(kimbly::diff(a, b)));
        kimbly::update(a, delta);
        ASSERT_EQ(a, b) << "round " << round;
    }
}

TEST(Event, BinaryForm) {
    Event attack{Attack{3, 7}};
    EXPECT_EQ(to_hex(pakko::to_bytes(attack)), to_hex(hex("00 00 00 00, 03 00 00 00, 07 00 00 00")));
    EXPECT_EQ(pakko::from_bytes<Event>(pakko::to_bytes(attack)), attack);
    EXPECT_EQ(testing::io_error_of([] { pakko::from_bytes<Event>(hex("01 00 00 00, 03 00 00 00, 07 00 00 00")); }),
              "Unexpected tag 1");
}

TEST(GameLog, InitialStateAndFiveTicksDecodeToTheFinalState) {
    auto state = sample_model();
    std::vector<std::byte> log = pakko::to_bytes(state);
    for (usize tick = 0; tick < 5; ++tick) {
        auto next = state;
        next.current_tick += 1;
        next.entities.get(4)->position.x -= 1;
        next.entities.by_id[next.next_id] = Entity{next.next_id, 1, EntityType::Wall, {tick, 0}, 50, false};
        next.next_id += 1;
        if (tick == 2) next.entities.by_id.erase(5);
        TickFrame frame{{Event{Attack{4, 3}}, Event{Attack{3, 4}}}, kimbly::diff(state, next)};
        auto bytes = pakko::to_bytes(frame);
        log.insert(log.end(), bytes.begin(), bytes.end());
        state = next;
    }

    pakko::MemoryReader reader(log);
    auto replayed = pakko::read<Model>(reader);
    int frames = 0;
    while (reader.remaining() > 0) {
        auto frame = pakko::read<TickFrame>(reader);
        EXPECT_EQ(frame.events.size(), 2u);
        kimbly::update(replayed, frame.delta);
        ++frames;
    }
    EXPECT_EQ(frames, 5);
    EXPECT_EQ(replayed, state);
}

TEST(Model, BinaryRoundTrip) {
    auto m = sample_model();
    EXPECT_EQ(pakko::from_bytes<Model>(pakko::to_bytes(m)), m);
}

TEST(Model, SavedStateJsonRoundTrip) {
    auto m = sample_model();
    auto text = pakko::json::dump(m);
    EXPECT_EQ(pakko::json::parse<Model>(text), m);
    auto json = pakko::json::to_json(m);
    std::vector<std::string> keys;
    for (const auto& [key, value] : json.items()) keys.push_back(key);
    EXPECT_EQ(keys, (std::vector<std::string>{"next_id", "map_size", "fog_of_war", "entity_properties",
                                              "max_tick_count", "max_pathfind_nodes", "current_tick",
                                              "passive_income", "players", "entities", "entity_actions"}));
    EXPECT_TRUE(json["entity_properties"].contains("BuilderUnit"));
    EXPECT_EQ(json["players"]["by_id"]["2"].dump(), R"({"id":2,"index":1,"score":0,"resource":40})");
    EXPECT_EQ(json["entity_actions"]["by_id"]["4"].begin().key(), "entity_id");
}

TEST(Model, SavedStateJsonReading) {
    auto json = pakko::json::to_json(sample_model());
    auto with_extra = json;
    with_extra["comment"] = "saved by hand";
    EXPECT_EQ(pakko::json::parse<Model>(with_extra.dump()), sample_model());

    struct Case {
        const char* name;
        std::string text;
        const char* error_part;
    };
    auto without = [&](const char* key) {
        auto copy = json;
        copy.erase(key);
        return copy.dump();
    };
    auto negative = json;
    negative["current_tick"] = -1;
    std::vector<Case> cases = {
        {"missing passive_income", without("passive_income"), "passive_income"},
        {"missing entities", without("entities"), "entities"},
        {"negative size value", negative.dump(), ""},
        {"short array", "[1, 2]", "struct Model with 11 elements"},
        {"not a record", "\"game\"", "struct Model"},
        {"short player", R"([0, 80, false, {}, 1, 1, 0, 0, {"by_id": {"1": [1, 0, 0]}}, {"by_id": {}}, {"by_id": {}}])",
         "struct Player with 4 elements"},
        {"short stored action",
         R"([0, 80, false, {}, 1, 1, 0, 0, {"by_id": {}}, {"by_id": {}}, {"by_id": {"1": [1]}}])",
         "struct StoredAction with 2 elements"},
        {"player missing resource",
         R"([0, 80, false, {}, 1, 1, 0, 0, {"by_id": {"1": {"id": 1, "index": 0, "score": 0}}}, {"by_id": {}}, {"by_id": {}}])",
         "resource"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto message = testing::json_error_of([&] { pakko::json::parse<Model>(c.text); });
        EXPECT_NE(message, "<no error>");
        EXPECT_NE(message.find(c.error_part), std::string::npos) << message;
    }
}

}  // namespace
}  // namespace velmora::model
