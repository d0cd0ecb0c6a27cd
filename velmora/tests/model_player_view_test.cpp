#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <kimbly/chacha20.hpp>
#include <kimbly/panic.hpp>
#include <pakko/pakko.hpp>
#include <pakko/schema.hpp>

#include "velmora/model/default_properties.hpp"
#include "velmora/model/frames.hpp"
#include "velmora/model/init.hpp"
#include "velmora/model/player_view.hpp"
#include "velmora/model/sight.hpp"

namespace velmora::model {
namespace {

using kimbly::Vec2Usize;

// A hand-made state: default properties, players 1..n with index = id - 1.
struct StateBuilder {
    Model model;

    StateBuilder(usize map_size, bool fog_of_war, usize player_count = 2) {
        model.next_id = 1;
        model.map_size = map_size;
        model.fog_of_war = fog_of_war;
        model.entity_properties.value = default_entity_properties();
        model.max_tick_count = 1000;
        model.max_pathfind_nodes = 1000;
        for (usize index = 0; index < player_count; ++index) {
            usize id = model.next_id++;
            model.players.by_id.emplace(id, Player{id, index, 10 * id, 100 * id});
        }
    }

    usize add(std::optional<usize> owner, EntityType type, usize x, usize y, bool active = true) {
        Entity entity{model.next_id++, owner, type, {x, y}, 1, active};
        model.entities.by_id.emplace(entity.id, entity);
        return entity.id;
    }

    const Player& player(usize id) const { return *model.players.get(id); }
};

std::vector<usize> ids_of(const PlayerView& view) {
    std::vector<usize> ids;
    for (const auto& entity : view.entities) ids.push_back(entity.id);
    return ids;
}

const Entity* find(const PlayerView& view, usize id) {
    for (const auto& entity : view.entities)
        if (entity.id == id) return &entity;
    return nullptr;
}

// --- coordinate frames ------------------------------------------------------

TEST(ConvertPosition, KnownPositions) {
    struct Case {
        usize index;
        Vec2Usize position;
        usize size;
        FrameDirection direction;
        Vec2Usize expected;
    };
    const Case cases[] = {
        {0, {10, 20}, 1, FrameDirection::ToGame, {10, 20}},
        {0, {10, 20}, 5, FrameDirection::ToPlayer, {10, 20}},
        {1, {10, 20}, 1, FrameDirection::ToGame, {69, 59}},
        {1, {10, 20}, 1, FrameDirection::ToPlayer, {69, 59}},
        {2, {10, 20}, 3, FrameDirection::ToGame, {57, 10}},
        {2, {57, 10}, 3, FrameDirection::ToPlayer, {10, 20}},
        {3, {10, 20}, 1, FrameDirection::ToGame, {20, 69}},
        {3, {20, 69}, 1, FrameDirection::ToPlayer, {10, 20}},
        // Player 2's builder base seen where player 0 sees its own.
        {2, {70, 5}, 5, FrameDirection::ToPlayer, {5, 5}},
        {2, {5, 5}, 5, FrameDirection::ToGame, {70, 5}},
        // Outside the map: the subtraction wraps and the cap catches it.
        {1, {85, 20}, 1, FrameDirection::ToGame, {100500, 59}},
        {3, {10, 85}, 1, FrameDirection::ToPlayer, {100500, 10}},
        // Large coordinates are capped even without wrapping.
        {0, {200000, 7}, 1, FrameDirection::ToGame, {100500, 7}},
        {2, {7, 200000}, 1, FrameDirection::ToPlayer, {100500, 72}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("index " + std::to_string(c.index) + " from (" + std::to_string(c.position.x) + ", " +
                     std::to_string(c.position.y) + ")");
        EXPECT_EQ(convert_position(c.index, c.position, c.size, 80, c.direction), c.expected);
    }
}

TEST(ConvertPosition, RoundTripsInBothDirectionsForEveryFrameAndSize) {
    for (usize map_size : {80u, 81u}) {
        for (usize index = 0; index < FRAME_COUNT; ++index) {
            for (usize size : {1u, 2u, 3u, 5u}) {
                for (usize x = 0; x + size <= map_size; ++x) {
                    for (usize y = 0; y + size <= map_size; ++y) {
                        Vec2Usize p{x, y};
                        auto game = convert_position(index, p, size, map_size, FrameDirection::ToGame);
                        auto own = convert_position(index, p, size, map_size, FrameDirection::ToPlayer);
                        ASSERT_TRUE(game.x + size <= map_size && game.y + size <= map_size);
                        ASSERT_EQ(convert_position(index, game, size, map_size, FrameDirection::ToPlayer), p)
                            << "index " << index << " size " << size << " at " << x << ", " << y;
                        ASSERT_EQ(convert_position(index, own, size, map_size, FrameDirection::ToGame), p)
                            << "index " << index << " size " << size << " at " << x << ", " << y;
                    }
                }
            }
        }
    }
}

TEST(ConvertPosition, QuarterTurnsComposeIntoTheHalfTurn) {
    // Turning into frame 2 twice is the half turn of frame 1; a swapped
    // formula would pass the round trip but fail this.
    for (usize size : {1u, 3u}) {
        Vec2Usize p{3, 11};
        auto once = convert_position(2, p, size, 80, FrameDirection::ToGame);
        auto twice = convert_position(2, once, size, 80, FrameDirection::ToGame);
        EXPECT_EQ(twice, convert_position(1, p, size, 80, FrameDirection::ToGame));
        EXPECT_EQ(convert_position(3, once, size, 80, FrameDirection::ToGame), p);
    }
}

TEST(ConvertPosition, IndexWithoutFrameStops) {
    EXPECT_THROW(convert_position(4, {1, 1}, 1, 80, FrameDirection::ToGame), kimbly::Panic);
    EXPECT_THROW(convert_position(100, {1, 1}, 1, 80, FrameDirection::ToPlayer), kimbly::Panic);
}

TEST(ConvertAction, MovesAsCellsAndBuildsWithTheBuiltSize) {
    StateBuilder state(80, false, 4);
    Action action;
    EntityAction move;
    move.move_action = MoveAction{{10, 20}, true, false};
    move.attack_action = AttackAction{7, std::nullopt};
    EntityAction build;
    build.build_action = BuildAction{EntityType::House, {10, 20}};
    build.repair_action = RepairAction{9};
    EntityAction attack_only;
    attack_only.attack_action = AttackAction{std::nullopt, AutoAttack{10, {EntityType::Wall}}};
    action.entity_actions = {{5, move}, {6, build}, {7, attack_only}};

    struct Case {
        usize index;
        Vec2Usize move_target;
        Vec2Usize build_position;
    };
    const Case cases[] = {
        {0, {10, 20}, {10, 20}},
        {1, {69, 59}, {67, 57}},
        {2, {59, 10}, {57, 10}},
        {3, {20, 69}, {20, 67}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("index " + std::to_string(c.index));
        Action converted = action;
        convert_action(state.model, converted, c.index);
        Action expected = action;
        expected.entity_actions[5].move_action->target = c.move_target;
        expected.entity_actions[6].build_action->position = c.build_position;
        EXPECT_EQ(converted, expected);
    }
}

// --- sight ------------------------------------------------------------------

// Straight from the definition: the best sight + 1 - distance over owned squares.
usize expected_counter(const Model& model, std::optional<usize> player_id, usize x, usize y) {
    usize best = 0;
    for (const auto& entity : model.entities.iter()) {
        if (!entity.player_id || (player_id && entity.player_id != player_id)) continue;
        const auto& properties = model.entity_properties.value.at(entity.entity_type);
        auto gap = [](usize v, usize lo, usize hi) { return v < lo ? lo - v : (v > hi ? v - hi : 0); };
        usize d = gap(x, entity.position.x, entity.position.x + properties.size - 1) +
                  gap(y, entity.position.y, entity.position.y + properties.size - 1);
        if (d <= properties.sight_range) best = std::max(best, properties.sight_range + 1 - d);
    }
    return best;
}

TEST(SightRangeMap, FogOffSeesEverything) {
    StateBuilder state(30, false);
    state.add(1, EntityType::RangedUnit, 3, 3);
    auto grid = sight_range_map(state.model, &state.player(2));
    EXPECT_EQ(grid.map_size, 30u);
    EXPECT_EQ(grid.counters, std::vector<usize>(30 * 30, 1));
}

TEST(SightRangeMap, ReachIsTheManhattanDistanceFromTheSquare) {
    StateBuilder state(80, true);
    state.add(1, EntityType::RangedUnit, 20, 20);       // sight 10
    state.add(1, EntityType::BuilderBase, 5, 5, false);  // size 5, sight 5, under construction
    state.add(2, EntityType::RangedUnit, 60, 60);
    auto grid = sight_range_map(state.model, &state.player(1));
    struct Case {
        usize x, y;
        bool visible;
    };
    const Case cases[] = {
        {30, 20, true}, {25, 25, true}, {31, 20, false}, {26, 25, false}, {20, 10, true}, {20, 9, false},
        {14, 9, true},  {15, 9, false}, {0, 5, true},    {0, 4, false},   {9, 14, true},  {9, 15, false},
        {60, 60, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(grid.visible(c.x, c.y), c.visible) << c.x << ", " << c.y;
    }
    EXPECT_EQ(grid.at(20, 20), 11u);
    EXPECT_EQ(grid.at(25, 25), 1u);
    EXPECT_EQ(grid.at(14, 9), 1u);
}

TEST(SightRangeMap, MatchesTheDefinitionOnCrowdedMaps) {
    // Overlapping reaches, map edges, zero sight and several owners.
    auto rng = kimbly::rng::ChaCha20Rng::seed_from_u64(7);
    const EntityType types[] = {EntityType::Wall, EntityType::House, EntityType::Turret, EntityType::RangedBase,
                                EntityType::MeleeUnit};
    for (int round = 0; round < 5; ++round) {
        StateBuilder state(23, true, 3);
        state.model.entity_properties.value[EntityType::Wall].sight_range = 0;
        std::vector<std::vector<bool>> taken(23, std::vector<bool>(23, false));
        for (int i = 0; i < 12; ++i) {
            EntityType type = types[kimbly::rng::below(rng, 5)];
            usize size = state.model.entity_properties.value.at(type).size;
            usize x = kimbly::rng::below(rng, 23 - size + 1);
            usize y = kimbly::rng::below(rng, 23 - size + 1);
            bool clear = true;
            for (usize dx = 0; dx < size; ++dx)
                for (usize dy = 0; dy < size; ++dy) clear = clear && !taken[x + dx][y + dy];
            if (!clear) continue;
            for (usize dx = 0; dx < size; ++dx)
                for (usize dy = 0; dy < size; ++dy) taken[x + dx][y + dy] = true;
            std::optional<usize> owner;
            if (usize o = kimbly::rng::below(rng, 4); o > 0) owner = o;
            state.add(owner, type, x, y);
        }
        auto all = sight_range_map(state.model, nullptr);
        auto grids = sight_range_maps(state.model);
        ASSERT_EQ(grids.size(), 3u);
        for (usize x = 0; x < 23; ++x) {
            for (usize y = 0; y < 23; ++y) {
                ASSERT_EQ(all.at(x, y), expected_counter(state.model, std::nullopt, x, y)) << x << ", " << y;
                for (const auto& [id, grid] : grids)
                    ASSERT_EQ(grid.at(x, y), expected_counter(state.model, id, x, y))
                        << "player " << id << " at " << x << ", " << y;
            }
        }
    }
}

TEST(SightRangeMap, ReusedGridIsRecomputedFromScratch) {
    StateBuilder state(40, true);
    usize unit = state.add(1, EntityType::RangedUnit, 5, 5);
    SightGrid grid;
    sight_range_map_into(state.model, &state.player(1), grid);
    state.model.entities.by_id.at(unit).position = {30, 30};
    sight_range_map_into(state.model, &state.player(1), grid);
    EXPECT_FALSE(grid.visible(5, 5));
    EXPECT_EQ(grid, sight_range_map(state.model, &state.player(1)));

    // Kept grids follow the players: a departed player's grid goes.
    std::map<usize, SightGrid> grids;
    sight_range_maps_into(state.model, grids);
    state.model.players.by_id.erase(2);
    state.model.entities.by_id.at(unit).position = {6, 6};
    sight_range_maps_into(state.model, grids);
    ASSERT_EQ(grids.size(), 1u);
    EXPECT_EQ(grids.at(1), sight_range_map(state.model, &state.player(1)));
}

// Grids shared between callers: the same squares give the same grid, a
// changed state a fresh one, and a grid someone still holds never changes.
TEST(SightRangeMap, SharedGridsFollowTheState) {
    StateBuilder state(40, true);
    const usize unit = state.add(1, EntityType::RangedUnit, 5, 5);
    state.add(2, EntityType::RangedUnit, 30, 30);
    const auto first = shared_sight_range_map(state.model, &state.player(1));
    EXPECT_EQ(shared_sight_range_map(state.model, &state.player(1)), first);
    EXPECT_EQ(*first, sight_range_map(state.model, &state.player(1)));
    const SightGrid before = *first;

    state.model.entities.by_id.at(unit).position = {20, 20};
    // More states than the thread keeps grids for, so that the first one's
    // slot is wanted again while it is held.
    for (usize x = 0; x < 12; ++x) {
        state.model.entities.by_id.at(unit).position = {x, 7};
        EXPECT_EQ(*shared_sight_range_map(state.model, &state.player(1)), sight_range_map(state.model, &state.player(1)));
    }
    EXPECT_EQ(*first, before);

    std::map<usize, std::shared_ptr<const SightGrid>> grids;
    shared_sight_range_maps(state.model, grids);
    ASSERT_EQ(grids.size(), 2u);
    for (const auto& [id, grid] : grids) EXPECT_EQ(*grid, sight_range_map(state.model, &state.player(id))) << id;
    state.model.fog_of_war = false;
    EXPECT_EQ(*shared_sight_range_map(state.model, &state.player(1)), sight_range_map(state.model, &state.player(1)));
}

// --- views ------------------------------------------------------------------

TEST(PlayerViewTest, FogOffShowsEveryoneFromTheirOwnCorner) {
    auto rng = kimbly::rng::ChaCha20Rng::seed_from_u64(3);
    auto model = init(rng, 2, options_from(OptionsPreset{Round1{}}));
    for (usize index : {0u, 1u}) {
        auto view = player_view(model, index);
        EXPECT_EQ(view.entities.size(), model.entities.by_id.size());
        const usize own_base = index == 0 ? 3 : 10;
        const usize enemy_base = index == 0 ? 10 : 3;
        EXPECT_EQ(find(view, own_base)->position, (Vec2Usize{5, 5}));
        EXPECT_EQ(find(view, enemy_base)->position, (Vec2Usize{70, 70}));
        EXPECT_EQ(view.my_id, index + 1);
    }
}

TEST(PlayerViewTest, CopiesTheSettingsButNotTheIncome) {
    StateBuilder state(50, true, 3);
    state.model.current_tick = 17;
    state.model.passive_income = 5;
    state.model.max_tick_count = 300;
    state.model.max_pathfind_nodes = 77;
    auto view = player_view(state.model, state.player(2));
    EXPECT_EQ(view.my_id, 2u);
    EXPECT_EQ(view.map_size, 50u);
    EXPECT_TRUE(view.fog_of_war);
    EXPECT_EQ(view.entity_properties, state.model.entity_properties.value);
    EXPECT_EQ(view.max_tick_count, 300u);
    EXPECT_EQ(view.max_pathfind_nodes, 77u);
    EXPECT_EQ(view.current_tick, 17u);
}

TEST(PlayerViewTest, FogHidesWhatNoOwnEntityReaches) {
    StateBuilder state(80, true);
    usize unit = state.add(1, EntityType::RangedUnit, 20, 20);
    usize near_resource = state.add(std::nullopt, EntityType::Resource, 25, 25);
    usize far_resource = state.add(std::nullopt, EntityType::Resource, 26, 25);
    // Only its corner cell (30, 20) lies within reach.
    usize edge_base = state.add(2, EntityType::MeleeBase, 30, 16);
    usize hidden_base = state.add(2, EntityType::MeleeBase, 31, 10);
    usize own_far = state.add(1, EntityType::Wall, 70, 70, false);
    (void)far_resource;
    (void)hidden_base;
    auto view = player_view(state.model, state.player(1));
    EXPECT_EQ(ids_of(view), (std::vector<usize>{unit, near_resource, edge_base, own_far}));
}

TEST(PlayerViewTest, EntitiesByIdAndPlayersByIndex) {
    StateBuilder state(80, false, 0);
    // Ids and indices in opposite orders.
    state.model.players.by_id.emplace(1, Player{1, 2, 11, 111});
    state.model.players.by_id.emplace(2, Player{2, 1, 22, 222});
    state.model.players.by_id.emplace(3, Player{3, 0, 33, 333});
    state.model.next_id = 4;
    state.add(3, EntityType::RangedUnit, 10, 10);
    state.add(1, EntityType::RangedUnit, 70, 10);
    state.add(std::nullopt, EntityType::Resource, 40, 40);
    auto view = player_view(state.model, 2);
    EXPECT_EQ(view.my_id, 1u);
    EXPECT_EQ(view.players, (std::vector<PlayerView::Player>{{3, 33, 333}, {2, 22, 222}, {1, 11, 111}}));
    EXPECT_EQ(ids_of(view), (std::vector<usize>{4, 5, 6}));
    // Index 2's frame is the quarter turn.
    EXPECT_EQ(find(view, 5)->position, (Vec2Usize{10, 9}));
}

TEST(PlayerViewTest, ThreePlayersListThree) {
    auto rng = kimbly::rng::ChaCha20Rng::seed_from_u64(5);
    auto model = init(rng, 3, options_from(OptionsPreset{Round2{}}));
    for (usize index = 0; index < 3; ++index) {
        auto view = player_view(model, index);
        EXPECT_EQ(view.players.size(), 3u);
        // Fog is on: the enemies' corners are out of sight, each own base at (5, 5).
        EXPECT_EQ(find(view, 4 + 2 * index)->position, (Vec2Usize{5, 5}));
        for (const auto& entity : view.entities) EXPECT_NE(entity.player_id, std::optional<usize>((index + 1) % 3 + 1));
    }
}

TEST(PlayerViewTest, MissingIndexOrIndexWithoutFrameStops) {
    StateBuilder state(80, false, 2);
    EXPECT_THROW(player_view(state.model, 2), kimbly::Panic);
    StateBuilder five(80, false, 5);
    EXPECT_THROW(player_view(five.model, 4), kimbly::Panic);
}

TEST(PlayerViewTest, BinaryFormFollowsTheFieldOrder) {
    PlayerView view;
    view.my_id = 1;
    view.map_size = 80;
    view.fog_of_war = true;
    view.max_tick_count = 2;
    view.max_pathfind_nodes = 3;
    view.current_tick = 4;
    view.players = {{1, 5, 6}};
    auto bytes = pakko::to_bytes(view);
    const unsigned char expected[] = {
        1, 0, 0, 0, 80, 0, 0, 0, 1, 0, 0, 0, 0,  // my_id, map_size, fog_of_war, empty table
        2, 0, 0, 0, 3, 0, 0, 0, 4, 0, 0, 0,      // tick limit, node budget, tick
        1, 0, 0, 0, 1, 0, 0, 0, 5, 0, 0, 0, 6, 0, 0, 0,  // one player
        0, 0, 0, 0,                                       // no entities
    };
    ASSERT_EQ(bytes.size(), sizeof expected);
    for (std::size_t i = 0; i < bytes.size(); ++i) EXPECT_EQ(static_cast<unsigned char>(bytes[i]), expected[i]) << i;

    view.players[0].score = 2147483648u;
    EXPECT_THROW(pakko::to_bytes(view), pakko::IoError);
}

TEST(PlayerViewTest, SchemaCarriesTheDocumentation) {
    auto schema = pakko::create_schema<PlayerView>();
    const auto* record = schema.get_if<pakko::Struct>();
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record->name.raw(), "PlayerView");
    EXPECT_FALSE(record->magic);

    using Docs = std::vector<pakko::LanguageDocumentation>;
    EXPECT_EQ(record->documentation.languages,
              (Docs{{"ru", "Доступная игроку информация"}, {"en", "Information available to the player"}}));
    struct FieldCase {
        const char* name;
        Docs docs;
    };
    const FieldCase fields[] = {
        {"my_id", {{"en", "Your player's ID"}, {"ru", "ID вашего игрока"}}},
        {"map_size", {{"en", "Size of the map"}, {"ru", "Размер карты"}}},
        {"fog_of_war", {{"ru", "Включен ли туман войны"}, {"en", "Whether fog of war is enabled"}}},
        {"entity_properties",
         {{"en", "Entity properties for each entity type"}, {"ru", "Свойства сущностей для каждого типа"}}},
        {"max_tick_count", {{"en", "Max tick count for the game"}, {"ru", "Максимальная длительность игры в тиках"}}},
        {"max_pathfind_nodes",
         {{"en", "Max pathfind nodes when performing pathfinding in the game simulator"},
          {"ru", "Максимальное количество вершин для поиска пути в игровом симуляторе"}}},
        {"current_tick", {{"ru", "Текущий тик"}, {"en", "Current tick"}}},
        {"players", {{"en", "List of players"}, {"ru", "Список игроков"}}},
        {"entities", {{"en", "List of entities"}, {"ru", "Список сущностей"}}},
    };
    ASSERT_EQ(record->fields.size(), std::size(fields));
    for (std::size_t i = 0; i < std::size(fields); ++i) {
        EXPECT_EQ(record->fields[i].name.snake_case(), fields[i].name);
        EXPECT_EQ(record->fields[i].documentation.languages, fields[i].docs) << fields[i].name;
    }
    EXPECT_NE(record->fields[3].schema->get_if<pakko::Schema::Map>(), nullptr);

    const auto* players = record->fields[7].schema->get_if<pakko::Schema::Vec>();
    ASSERT_NE(players, nullptr);
    const auto* player = players->element->get_if<pakko::Struct>();
    ASSERT_NE(player, nullptr);
    EXPECT_EQ(player->name.raw(), "Player");
    EXPECT_EQ(player->documentation.languages,
              (Docs{{"en", "Player (strategy, client)"}, {"ru", "Игрок (стратегия, клиент)"}}));
    const FieldCase player_fields[] = {
        {"id", {{"ru", "ID игрока"}, {"en", "Player's ID"}}},
        {"score", {{"en", "Current score"}, {"ru", "Текущий счет"}}},
        {"resource", {{"ru", "Текущее количество ресурса"}, {"en", "Current amount of resource"}}},
    };
    ASSERT_EQ(player->fields.size(), std::size(player_fields));
    for (std::size_t i = 0; i < std::size(player_fields); ++i) {
        EXPECT_EQ(player->fields[i].name.snake_case(), player_fields[i].name);
        EXPECT_EQ(player->fields[i].documentation.languages, player_fields[i].docs);
        EXPECT_NE(player->fields[i].schema->get_if<pakko::Schema::Int32>(), nullptr);
    }
}

}  // namespace
}  // namespace velmora::model
