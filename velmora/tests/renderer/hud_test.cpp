#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model_fixture.hpp"
#include "velmora/renderer/hud.hpp"

namespace {

using namespace velmora::model;
using namespace velmora::model::testing;
namespace hud = velmora::renderer::hud;

// Player 0 with an active house and base, an inactive house, two builders
// (one inactive), a melee and a ranged unit; player 1 with nothing but an
// inactive builder.
Model game_of(usize players) {
    Model game = empty_model(80);
    std::vector<usize> ids;
    for (usize i = 0; i < players; ++i) ids.push_back(add_player(game, i, 100 * (i + 1), 7 * i));
    add_entity(game, {EntityType::House, ids[0], at(0, 0)});
    add_entity(game, {EntityType::BuilderBase, ids[0], at(5, 0)});
    add_entity(game, {EntityType::House, ids[0], at(10, 0), std::nullopt, false});
    add_entity(game, {EntityType::BuilderUnit, ids[0], at(20, 0)});
    add_entity(game, {EntityType::BuilderUnit, ids[0], at(21, 0), std::nullopt, false});
    add_entity(game, {EntityType::MeleeUnit, ids[0], at(22, 0)});
    add_entity(game, {EntityType::RangedUnit, ids[0], at(23, 0)});
    add_entity(game, {EntityType::BuilderUnit, ids[1], at(30, 0), std::nullopt, false});
    add_entity(game, {EntityType::Resource, std::nullopt, at(40, 0)});
    return game;
}

TEST(RendererHud, LinesAndBandForTwoAndFourPlayers) {
    struct Case {
        usize players;
        std::vector<std::string> names;
        float band_bottom;
        std::vector<std::string> labels;
    };
    const Case cases[] = {
        {2, {}, 600 - 50, {"Player 1:", "Player 2:"}},
        {2, {"Ann"}, 600 - 50, {"1. Ann:", "Player 2:"}},
        {4, {"Ann", "Bob", "Cy", "Di", "extra"}, 600 - 90, {"1. Ann:", "2. Bob:", "3. Cy:", "4. Di:"}},
    };
    for (const auto& c : cases) {
        const auto layout = hud::layout(game_of(c.players), c.names, {800, 600});
        EXPECT_EQ(layout.band, (kimbly::AabbF32{0, 800, c.band_bottom, 600})) << c.players;
        ASSERT_EQ(layout.lines.size(), c.players);
        for (usize i = 0; i < c.players; ++i) {
            const auto& line = layout.lines[i];
            EXPECT_EQ(line.label, c.labels[i]);
            EXPECT_EQ(line.label_position, (kimbly::Vec2F32{390, 580 - 20.0f * float(i)}));
            EXPECT_EQ(line.stats_position, (kimbly::Vec2F32{410, 580 - 20.0f * float(i)}));
        }
    }
}

TEST(RendererHud, StatsCountActiveProvidersAndEveryUnit) {
    const auto layout = hud::layout(game_of(4), {}, {800, 600});
    const std::string expected[] = {
        "resource = 100, population = 4/10 (2 b, 1 m, 1 r), score = 0",
        "resource = 200, population = 1/0 (1 b, 0 m, 0 r), score = 7",
        "resource = 300, population = 0/0 (0 b, 0 m, 0 r), score = 14",
        "resource = 400, population = 0/0 (0 b, 0 m, 0 r), score = 21",
    };
    const kimbly::ColorF32 colors[] = {{0.5f, 0.5f, 1, 1}, {0.5f, 0.9f, 0.5f, 1}, {1, 0.5f, 0.5f, 1}, {0.9f, 0.75f, 0.5f, 1}};
    for (usize i = 0; i < 4; ++i) {
        EXPECT_EQ(layout.lines[i].stats, expected[i]);
        EXPECT_EQ(layout.lines[i].color, colors[i]) << i;
    }
}

TEST(RendererHud, PlayersAreFoundByIndexNotId) {
    Model game = empty_model(80);
    // Ids in the opposite order of the indices.
    game.players.by_id[5] = Player{5, 0, 0, 11};
    game.players.by_id[3] = Player{3, 1, 0, 22};
    const auto layout = hud::layout(game, {}, {800, 600});
    EXPECT_EQ(layout.lines[0].stats.substr(0, 15), "resource = 11, ");
    EXPECT_EQ(layout.lines[1].stats.substr(0, 15), "resource = 22, ");
}

}  // namespace
