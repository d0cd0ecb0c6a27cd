#include <gtest/gtest.h>

#include <functional>

#include <velmora/model/default_properties.hpp>
#include <velmora/model/validate.hpp>

namespace velmora::model {
namespace {

Model valid_model() {
    Model m;
    m.next_id = 6;
    m.map_size = 80;
    m.entity_properties.value = default_entity_properties();
    m.max_tick_count = 1000;
    m.max_pathfind_nodes = 1000;
    m.players = Collection<Player>::from_iter(std::vector<Player>{{1, 0, 0, 0}, {2, 1, 0, 0}});
    m.entities = Collection<Entity>::from_iter(std::vector<Entity>{
        {3, 1, EntityType::BuilderBase, {75, 75}, 300, true},
        {4, 2, EntityType::BuilderUnit, {0, 0}, 10, true},
        {5, std::nullopt, EntityType::Resource, {79, 0}, 30, true},
    });
    m.entity_actions.by_id[4] = StoredAction{4, EntityAction{}};
    return m;
}

std::string rejection_of(const Model& model) {
    try {
        validate_model(model);
    } catch (const InvalidState& error) {
        return error.what();
    }
    return "<accepted>";
}

TEST(ValidateModel, AcceptsAConsistentState) { EXPECT_EQ(rejection_of(valid_model()), "<accepted>"); }

TEST(ValidateModel, RejectsBrokenStatesNamingTheFault) {
    struct Case {
        const char* name;
        std::function<void(Model&)> damage;
        const char* message;
    };
    std::vector<Case> cases = {
        {"missing type", [](Model& m) { m.entity_properties.value.erase(EntityType::Turret); },
         "entity properties lack Turret"},
        {"zero damage", [](Model& m) { m.entity_properties.value.at(EntityType::MeleeUnit).attack->damage = 0; },
         "MeleeUnit attacks with damage 0"},
        {"size zero", [](Model& m) { m.entity_properties.value.at(EntityType::House).size = 0; }, "House has size 0"},
        {"large unit", [](Model& m) { m.entity_properties.value.at(EntityType::RangedUnit).size = 2; },
         "RangedUnit can move but has size 2"},
        {"zero map", [](Model& m) { m.map_size = 0; }, "map size 0 is outside 1..1024"},
        {"huge map", [](Model& m) { m.map_size = 100000; }, "map size 100000 is outside 1..1024"},
        {"oversized value", [](Model& m) { m.players.get(1)->score = 2147483648u; },
         "value out of range: 2147483648 is invalid value"},
        {"oversized property", [](Model& m) { m.entity_properties.value.at(EntityType::Wall).max_health = 1ull << 40; },
         "value out of range: 1099511627776 is invalid value"},
        {"five players",
         [](Model& m) {
             for (usize id = 10; id < 13; ++id) m.players.by_id[id] = Player{id, id - 8, 0, 0};
             m.next_id = 20;
         },
         "5 players, at most 4 allowed"},
        {"player key", [](Model& m) { m.players.by_id[2].id = 7; }, "players: key 2 holds the record of id 7"},
        {"index too high", [](Model& m) { m.players.get(2)->index = 2; },
         "player 2 has index 2, not below the player count 2"},
        {"repeated index", [](Model& m) { m.players.get(2)->index = 0; }, "two players have index 0"},
        {"entity key", [](Model& m) { m.entities.by_id[5].id = 9; }, "entities: key 5 holds the record of id 9"},
        {"unknown owner", [](Model& m) { m.entities.get(4)->player_id = 3; }, "entity 4 is owned by unknown player 3"},
        {"outside the map", [](Model& m) { m.entities.get(3)->position = {76, 70}; },
         "entity 3 at (76, 70) of size 5 lies outside the map of size 80"},
        {"far outside the map", [](Model& m) { m.entities.get(5)->position = {0, 2000000000}; },
         "entity 5 at (0, 2000000000) of size 1 lies outside the map of size 80"},
        {"action key", [](Model& m) { m.entity_actions.by_id[4].entity_id = 3; },
         "entity actions: key 4 holds the record of id 3"},
        {"next id not above", [](Model& m) { m.next_id = 5; }, "next id 5 is not above the id 5"},
        {"unit inside a base", [](Model& m) { m.entities.get(4)->position = {77, 76}; },
         "entities 3 and 4 overlap at (77, 76)"},
        {"resource under a unit", [](Model& m) { m.entities.get(5)->position = {0, 0}; },
         "entities 4 and 5 overlap at (0, 0)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto model = valid_model();
        c.damage(model);
        EXPECT_EQ(rejection_of(model), c.message);
    }
}

std::string options_rejection(std::size_t players, const Options& options) {
    try {
        validate_options(players, options);
    } catch (const InvalidState& error) {
        return error.what();
    }
    return "<accepted>";
}

TEST(ValidateOptions, PresetsPassAndBadOptionsAreRejected) {
    for (auto preset : {OptionsPreset{Round1{}}, OptionsPreset{Round2{}}, OptionsPreset{Finals{}}}) {
        for (std::size_t players = 0; players <= 4; ++players) {
            SCOPED_TRACE(std::to_string(players) + " players");
            EXPECT_EQ(options_rejection(players, options_from(preset)), "<accepted>");
        }
    }
    Options base{20, {}, 0, 0, 100, false, {{EntityType::BuilderBase, {15, 15}}}};
    struct Case {
        const char* name;
        std::size_t players;
        std::function<void(Options&)> change;
        const char* message;
    };
    using T = EntityType;
    std::vector<Case> cases = {
        {"five players", 5, [](Options&) {}, "5 players, at most 4 allowed"},
        {"map too large", 2, [](Options& o) { o.map_size = 5000; }, "map size 5000 is outside 1..1024"},
        {"base sticks out", 2, [](Options& o) { o.starting_entities[0].second = {16, 0}; },
         "starting BuilderBase at (16, 0) lies outside the map of size 20"},
        {"position wraps around", 2, [](Options& o) { o.starting_entities[0].second = {~0ull, 0}; },
         "starting BuilderBase at (18446744073709551615, 0) lies outside the map of size 20"},
        {"tick limit too large", 2, [](Options& o) { o.max_tick_count = 1ull << 31; },
         "max_tick_count 2147483648 is out of range"},
        {"income too large", 2, [](Options& o) { o.passive_income = 1ull << 33; },
         "passive_income 8589934592 is out of range"},
        // Ids as generation would give them: players first, then each
        // player's starting list in order.
        {"one player's own starts", 1, [](Options& o) { o.starting_entities.push_back({T::BuilderUnit, {17, 19}}); },
         "starting entities 2 and 3 overlap at (17, 19)"},
        {"opponents meet in the middle", 2, [](Options& o) { o.starting_entities[0].second = {8, 8}; },
         "starting entities 3 and 4 overlap at (8, 8)"},
        {"quarter turns meet", 4,
         [](Options& o) { o.starting_entities = {{T::BuilderUnit, {2, 2}}, {T::MeleeUnit, {2, 17}}}; },
         "starting entities 8 and 9 overlap at (17, 2)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto options = base;
        c.change(options);
        EXPECT_EQ(options_rejection(c.players, options), c.message);
    }
    // Touching edges is not overlapping.
    Options touching{20, {}, 0, 0, 100, false, {{T::BuilderBase, {5, 5}}}};
    EXPECT_EQ(options_rejection(2, touching), "<accepted>");
    touching.starting_entities[0].second = {6, 6};
    EXPECT_EQ(options_rejection(2, touching), "starting entities 3 and 4 overlap at (9, 9)");
}

}  // namespace
}  // namespace velmora::model
