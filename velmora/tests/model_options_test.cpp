#include <gtest/gtest.h>

#include <velmora/model/options.hpp>

#include "model_test_support.hpp"

namespace velmora::model {
namespace {

using T = EntityType;

TEST(OptionsPreset, ContestTables) {
    auto round1 = options_from(OptionsPreset{Round1{}});
    auto round2 = options_from(OptionsPreset{Round2{}});
    auto finals = options_from(OptionsPreset{Finals{}});
    for (const auto* options : {&round1, &round2, &finals}) {
        EXPECT_EQ(options->map_size, 80u);
        EXPECT_EQ(options->max_tick_count, std::optional<usize>(1000));
        EXPECT_EQ(options->initial_resource, 0u);
        EXPECT_EQ(options->passive_income, 0u);
        EXPECT_EQ(options->max_pathfind_nodes, 1000u);
    }
    EXPECT_FALSE(round1.fog_of_war);
    using Start = std::vector<std::pair<EntityType, kimbly::Vec2Usize>>;
    EXPECT_EQ(round1.starting_entities, (Start{{T::BuilderBase, {5, 5}},
                                                {T::BuilderUnit, {4, 4}},
                                                {T::MeleeBase, {5, 15}},
                                                {T::MeleeUnit, {4, 14}},
                                                {T::RangedBase, {15, 5}},
                                                {T::RangedUnit, {14, 4}},
                                                {T::Turret, {15, 15}}}));
    EXPECT_TRUE(round2.fog_of_war);
    EXPECT_EQ(round2.starting_entities, (Start{{T::BuilderBase, {5, 5}}, {T::BuilderUnit, {4, 4}}}));
    EXPECT_EQ(round2, finals);

    Options custom{10, {}, 5, 1, 20, true, {}};
    EXPECT_EQ(options_from(OptionsPreset{Custom{custom}}), custom);
}

TEST(Options, JsonForm) {
    auto round2 = options_from(OptionsPreset{Round2{}});
    EXPECT_EQ(pakko::json::to_json(round2).dump(),
              R"({"map_size":80,"max_tick_count":1000,"initial_resource":0,"passive_income":0,)"
              R"("max_pathfind_nodes":1000,"fog_of_war":true,"starting_entities":)"
              R"([["BuilderBase",{"x":5,"y":5}],["BuilderUnit",{"x":4,"y":4}]]})");
    auto round1 = options_from(OptionsPreset{Round1{}});
    EXPECT_EQ(pakko::json::parse<Options>(pakko::json::dump(round1)), round1);
}

TEST(Options, JsonReading) {
    Options plain{80, {}, 0, 0, 1000, false, {}};
    EXPECT_EQ(pakko::json::parse<Options>("[80, null, 0, 0, 1000, false, []]"), plain);
    EXPECT_EQ(pakko::json::parse<Options>(
                  R"({"map_size": 80, "initial_resource": 0, "passive_income": 0, "max_pathfind_nodes": 1000,
                      "fog_of_war": false, "starting_entities": [], "unknown": 1})"),
              plain);
    EXPECT_EQ(pakko::json::parse<Options>(
                  R"({"map_size": 80, "max_tick_count": null, "initial_resource": 0, "passive_income": 0,
                      "max_pathfind_nodes": 1000, "fog_of_war": false, "starting_entities": []})"),
              plain);

    struct Case {
        const char* name;
        const char* text;
        const char* error_part;
    };
    std::vector<Case> cases = {
        {"six elements", "[80, null, 0, 0, 1000, false]", "struct Options with 7 elements"},
        {"eight elements", "[80, null, 0, 0, 1000, false, [], 1]", ""},
        {"no starting entities",
         R"({"map_size": 80, "initial_resource": 0, "passive_income": 0, "max_pathfind_nodes": 1000, "fog_of_war": false})",
         "starting_entities"},
        {"first missing field named", R"({"fog_of_war": false})", "map_size"},
        {"repeated key",
         R"({"map_size": 80, "map_size": 80, "initial_resource": 0, "passive_income": 0, "max_pathfind_nodes": 1000, "fog_of_war": false, "starting_entities": []})",
         "map_size"},
        {"negative count", "[-80, null, 0, 0, 1000, false, []]", ""},
        {"not a record", "\"Round1\"", "struct Options"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto message = testing::json_error_of([&] { pakko::json::parse<Options>(c.text); });
        EXPECT_NE(message, "<no error>");
        EXPECT_NE(message.find(c.error_part), std::string::npos) << message;
    }
}

TEST(OptionsPreset, JsonForm) {
    struct Case {
        OptionsPreset preset;
        const char* json;
    };
    std::vector<Case> cases = {
        {{Round1{}}, R"("Round1")"},
        {{Round2{}}, R"("Round2")"},
        {{Finals{}}, R"("Finals")"},
        {{Custom{Options{10, 50, 1, 2, 3, true, {{T::Wall, {1, 2}}}}}},
         R"({"Custom":{"map_size":10,"max_tick_count":50,"initial_resource":1,"passive_income":2,)"
         R"("max_pathfind_nodes":3,"fog_of_war":true,"starting_entities":[["Wall",{"x":1,"y":2}]]}})"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.json);
        EXPECT_EQ(pakko::json::to_json(c.preset).dump(), c.json);
        EXPECT_EQ(pakko::json::parse<OptionsPreset>(c.json), c.preset);
    }
    auto custom = pakko::json::parse<OptionsPreset>(
        R"({"Custom": {"map_size": 10, "initial_resource": 0, "passive_income": 0, "max_pathfind_nodes": 5,
                       "fog_of_war": false, "starting_entities": []}})");
    EXPECT_EQ(options_from(custom).max_tick_count, std::nullopt);
}

TEST(OptionsPreset, DebugText) {
    EXPECT_EQ(debug_text(OptionsPreset{Finals{}}), "Finals");
    EXPECT_EQ(debug_text(OptionsPreset{Custom{Options{10, {}, 1, 2, 3, true, {{T::Wall, {1, 2}}}}}}),
              "Custom(Options { map_size: 10, max_tick_count: None, initial_resource: 1, passive_income: 2, "
              "max_pathfind_nodes: 3, fog_of_war: true, starting_entities: [(Wall, Vec2 { x: 1, y: 2 })] })");
    EXPECT_EQ(debug_text(options_from(OptionsPreset{Round2{}})),
              "Options { map_size: 80, max_tick_count: Some(1000), initial_resource: 0, passive_income: 0, "
              "max_pathfind_nodes: 1000, fog_of_war: true, starting_entities: [(BuilderBase, Vec2 { x: 5, y: 5 }), "
              "(BuilderUnit, Vec2 { x: 4, y: 4 })] }");
}

}  // namespace
}  // namespace velmora::model
