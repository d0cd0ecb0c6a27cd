#include "velmora/keyboard_player.hpp"

#include <cmath>
#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "velmora/game.hpp"
#include "velmora/keyboard_player_geometry.hpp"
#include "velmora/model/default_properties.hpp"

namespace {

using kimbly::Vec2F32;
using kimbly::Vec2Usize;
using velmora::camera::Camera;
using velmora::keyboard_player::BuildMode;
using velmora::keyboard_player::DebugCommand;
using velmora::keyboard_player::DebugInterface;
using velmora::keyboard_player::HighLevelAction;
using velmora::keyboard_player::KeyboardPlayer;
using velmora::model::AttackAction;
using velmora::model::AutoAttack;
using velmora::model::ColoredVertex;
using velmora::model::DebugData;
using velmora::model::DebugState;
using velmora::model::Entity;
using velmora::model::EntityAction;
using velmora::model::EntityType;
using velmora::model::MoveAction;
using velmora::model::PlayerView;
using velmora::model::usize;
using Keys = std::vector<std::string>;
using Queue = std::vector<HighLevelAction>;

constexpr usize ME = 1;
constexpr usize ENEMY = 2;

// Ids of the standard scene.
constexpr usize BUILDER = 10;
constexpr usize MELEE = 11;
constexpr usize ENEMY_MELEE = 12;
constexpr usize RESOURCE = 13;
constexpr usize HOUSE = 14;
constexpr usize SECOND_MELEE = 15;

Entity entity(usize id, std::optional<usize> owner, EntityType type, usize x, usize y, usize health,
              bool active = true) {
    return Entity{id, owner, type, {x, y}, health, active};
}

PlayerView view_of(std::vector<Entity> entities, usize my_id = ME) {
    PlayerView view;
    view.my_id = my_id;
    view.map_size = 80;
    view.entity_properties = velmora::model::default_entity_properties();
    view.max_tick_count = 1000;
    view.max_pathfind_nodes = 1000;
    view.players = {{ME, 0, 0}, {ENEMY, 0, 0}};
    view.entities = std::move(entities);
    return view;
}

// A builder, two melee units side by side, an enemy, a resource and a
// damaged house of ours.
std::vector<Entity> scene() {
    return {
        entity(BUILDER, ME, EntityType::BuilderUnit, 10, 10, 10),
        entity(MELEE, ME, EntityType::MeleeUnit, 20, 20, 50),
        entity(ENEMY_MELEE, ENEMY, EntityType::MeleeUnit, 30, 30, 50),
        entity(RESOURCE, std::nullopt, EntityType::Resource, 40, 40, 30),
        entity(HOUSE, ME, EntityType::House, 5, 20, 30),
        entity(SECOND_MELEE, ME, EntityType::MeleeUnit, 21, 20, 50),
    };
}

// A straight-down parallel view of a 1024-pixel square window: eight pixels
// per cell, window pixel (8x, 8y) over ground point (x, y), exactly.
Camera test_camera() {
    Camera camera;
    camera.center = {64.0f, 64.0f};
    camera.distance = 64.0f;
    camera.perspective = false;
    return camera;
}

constexpr float PIXELS_PER_CELL = 8.0f;

// Drives the player through scripted input states and records every command.
class Rig {
public:
    KeyboardPlayer player;
    std::vector<DebugCommand> commands;

    explicit Rig(PlayerView view = view_of(scene())) : view_(std::move(view)) {
        state_.window_size = {1024, 1024};
        state_.camera = test_camera();
        state_.player_index = 0;
    }

    PlayerView& view() { return view_; }

    velmora::model::Action tick() { return player.get_action(view_, nullptr); }

    // One update with these keys held and the cursor over ground point `at`.
    void update(Keys keys, Vec2F32 at) {
        state_.pressed_keys = std::move(keys);
        state_.mouse_pos_window = {at.x * PIXELS_PER_CELL, at.y * PIXELS_PER_CELL};
        state_.mouse_pos_world = at;
        commands.clear();
        player.debug_update(view_, debug_);
    }

    // Press and release the left button over `at`.
    void click(Vec2F32 at, Keys modifiers = {}) {
        Keys held = modifiers;
        held.push_back("MouseLeft");
        update(held, at);
        update(modifiers, at);
    }

    void right_click(Vec2F32 at, Keys modifiers = {}) {
        Keys held = modifiers;
        held.push_back("MouseRight");
        update(held, at);
        update(modifiers, at);
    }

    void drag(Vec2F32 from, Vec2F32 to, Keys modifiers = {}) {
        Keys held = modifiers;
        held.push_back("MouseLeft");
        update(held, from);
        update(held, to);
        update(modifiers, to);
    }

    Queue queue(usize id) const {
        auto it = player.orders().find(id);
        if (it == player.orders().end()) return {};
        return {it->second.begin(), it->second.end()};
    }

    DebugState& state() { return state_; }

private:
    PlayerView view_;
    DebugState state_;
    tarnwick::debug::DebugHandlers<DebugData, DebugState> handlers_{
        [this](usize, bool, DebugCommand command) { commands.push_back(std::move(command)); },
        [this](usize) { return state_; }};
    DebugInterface debug_{0, handlers_, true};
};

HighLevelAction move(usize x, usize y, bool attack) { return {HighLevelAction::Move{{x, y}, attack}}; }
HighLevelAction attack(usize target, EntityType type) { return {HighLevelAction::Attack{target, type}}; }
HighLevelAction repair(usize target) { return {HighLevelAction::Repair{target}}; }
HighLevelAction build(EntityType type, usize x, usize y) { return {HighLevelAction::Build{type, {x, y}}}; }

MoveAction move_to(usize x, usize y) { return {{x, y}, true, false}; }
AttackAction auto_attack() { return {std::nullopt, AutoAttack{5, {}}}; }
AttackAction attack_on(usize target) { return {target, std::nullopt}; }

EntityAction action(std::optional<MoveAction> m, std::optional<velmora::model::BuildAction> b,
                    std::optional<AttackAction> a, std::optional<velmora::model::RepairAction> r) {
    return {m, b, a, r};
}

const EntityAction NOTHING{};
const EntityAction AUTO_ATTACK = action(std::nullopt, std::nullopt, auto_attack(), std::nullopt);

// ---- get_action without orders -------------------------------------------------

TEST(KeyboardPlayerActions, UnitsWithoutOrdersAttackAutomaticallyExceptBuilders) {
    Rig rig(view_of({
        entity(1, ME, EntityType::BuilderUnit, 1, 1, 10),
        entity(2, ME, EntityType::MeleeUnit, 2, 2, 50),
        entity(3, ME, EntityType::RangedUnit, 3, 3, 10),
        entity(4, ME, EntityType::Turret, 5, 5, 100),
        entity(5, ME, EntityType::BuilderBase, 10, 10, 300),
        entity(6, ENEMY, EntityType::MeleeUnit, 30, 30, 50),
        entity(7, std::nullopt, EntityType::Resource, 40, 40, 30),
    }));
    for (int tick = 0; tick < 2; ++tick) {
        auto result = rig.tick();
        EXPECT_EQ(result.entity_actions, (std::map<usize, EntityAction>{
                                             {1, NOTHING}, {2, AUTO_ATTACK}, {3, AUTO_ATTACK},
                                             {4, AUTO_ATTACK}, {5, AUTO_ATTACK}}));
    }
    EXPECT_EQ(rig.player.player_id(), std::optional<usize>(ME));
}

// ---- right-click orders and the actions they give ----------------------------

struct OrderCase {
    const char* name;
    usize unit;
    Vec2F32 at;
    bool ctrl;
    HighLevelAction order;
    EntityAction action;
};

class RightClickOrders : public testing::TestWithParam<OrderCase> {};

TEST_P(RightClickOrders, QueueTheIntentionAndActOnIt) {
    const auto& c = GetParam();
    Rig rig;
    rig.tick();
    rig.click({c.unit == BUILDER ? 10.5f : 20.5f, c.unit == BUILDER ? 10.5f : 20.5f});
    ASSERT_EQ(rig.player.selection(), std::set<usize>{c.unit});
    rig.right_click(c.at, c.ctrl ? Keys{"LCtrl"} : Keys{});
    EXPECT_EQ(rig.queue(c.unit), Queue{c.order});
    EXPECT_EQ(rig.tick().entity_actions.at(c.unit), c.action);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RightClickOrders,
    testing::Values(
        OrderCase{"MoveOnEmptyGround", MELEE, {25.5f, 26.5f}, false, move(25, 26, false),
                  action(move_to(25, 26), std::nullopt, std::nullopt, std::nullopt)},
        OrderCase{"CtrlMoveAttacksOnTheWay", MELEE, {25.5f, 26.5f}, true, move(25, 26, true),
                  action(move_to(25, 26), std::nullopt, auto_attack(), std::nullopt)},
        OrderCase{"BuilderNeverAttacksOnTheWay", BUILDER, {25.5f, 26.5f}, true, move(25, 26, true),
                  action(move_to(25, 26), std::nullopt, std::nullopt, std::nullopt)},
        OrderCase{"OwnBuildingIsRepaired", BUILDER, {6.5f, 21.5f}, false, repair(HOUSE),
                  action(move_to(5, 20), std::nullopt, std::nullopt, velmora::model::RepairAction{HOUSE})},
        OrderCase{"CtrlAttacksOwnBuilding", BUILDER, {5.5f, 20.5f}, true, attack(HOUSE, EntityType::House),
                  action(move_to(5, 20), std::nullopt, attack_on(HOUSE), std::nullopt)},
        OrderCase{"EnemyIsAttacked", MELEE, {30.5f, 30.5f}, false, attack(ENEMY_MELEE, EntityType::MeleeUnit),
                  action(move_to(30, 30), std::nullopt, attack_on(ENEMY_MELEE), std::nullopt)},
        OrderCase{"ResourceIsAttacked", BUILDER, {40.5f, 40.5f}, false, attack(RESOURCE, EntityType::Resource),
                  action(move_to(40, 40), std::nullopt, attack_on(RESOURCE), std::nullopt)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(KeyboardPlayerOrders, RepairEndsWhenTheBuildingIsWhole) {
    Rig rig;
    rig.tick();
    rig.click({10.5f, 10.5f});
    rig.right_click({5.5f, 20.5f});
    ASSERT_EQ(rig.queue(BUILDER), Queue{repair(HOUSE)});
    rig.view().entities[4].health = 50;
    EXPECT_EQ(rig.tick().entity_actions.at(BUILDER), NOTHING);
    EXPECT_TRUE(rig.queue(BUILDER).empty());
}

TEST(KeyboardPlayerOrders, ShiftQueuesAndFinishedMovesGiveWayToTheNext) {
    Rig rig;
    rig.tick();
    rig.click({20.5f, 20.5f});
    rig.right_click({25.5f, 25.5f}, {"LShift"});
    rig.right_click({30.5f, 20.5f}, {"LShift"});
    EXPECT_EQ(rig.queue(MELEE), (Queue{move(25, 25, false), move(30, 20, false)}));

    rig.view().entities[1].position = {25, 25};
    EXPECT_EQ(rig.tick().entity_actions.at(MELEE), action(move_to(30, 20), std::nullopt, std::nullopt, std::nullopt));
    EXPECT_EQ(rig.queue(MELEE), (Queue{move(30, 20, false)}));

    // Without shift a new order replaces the queue.
    rig.right_click({2.5f, 3.5f});
    EXPECT_EQ(rig.queue(MELEE), (Queue{move(2, 3, false)}));
}

TEST(KeyboardPlayerOrders, RightDragGivesNoOrder) {
    Rig rig;
    rig.tick();
    rig.click({20.5f, 20.5f});
    rig.update({"MouseRight"}, {25.0f, 25.0f});
    rig.update({}, {25.0f + 5.0f / PIXELS_PER_CELL, 25.0f});
    EXPECT_TRUE(rig.queue(MELEE).empty());
    EXPECT_FALSE(rig.player.right_press().has_value());
    // Just under five pixels is still a click.
    rig.update({"MouseRight"}, {25.0f, 25.0f});
    rig.update({}, {25.0f + 4.9f / PIXELS_PER_CELL, 25.0f});
    EXPECT_EQ(rig.queue(MELEE), Queue{move(25, 25, false)});
}

TEST(KeyboardPlayerOrders, OrdersForForeignEntitiesAreNeverActedOn) {
    // Before the first tick the player's id is unknown: a drag selects only
    // entities without an owner.
    Rig rig;
    rig.drag({0.5f, 0.5f}, {79.5f, 79.5f});
    EXPECT_EQ(rig.player.selection(), std::set<usize>{RESOURCE});
    rig.right_click({50.5f, 50.5f});
    EXPECT_EQ(rig.queue(RESOURCE), Queue{move(50, 50, false)});
    EXPECT_EQ(rig.tick().entity_actions.count(RESOURCE), 0u);
}

// ---- the collector's search for the next resource -------------------------------

TEST(KeyboardPlayerRefill, CollectorMovesOnToTheResourceNextToTheBestCell) {
    Rig rig(view_of({
        entity(BUILDER, ME, EntityType::BuilderUnit, 10, 10, 10),
        entity(RESOURCE, std::nullopt, EntityType::Resource, 11, 11, 1),
        entity(20, std::nullopt, EntityType::Resource, 14, 10, 30),
    }));
    rig.tick();
    rig.click({10.5f, 10.5f});
    rig.right_click({11.5f, 11.5f});
    ASSERT_EQ(rig.queue(BUILDER), Queue{attack(RESOURCE, EntityType::Resource)});

    // Used up: the only cell beside a resource within the fewest steps is (13, 10).
    rig.view().entities.erase(rig.view().entities.begin() + 1);
    EXPECT_EQ(rig.tick().entity_actions.at(BUILDER), action(move_to(14, 10), std::nullopt, attack_on(20), std::nullopt));
    EXPECT_EQ(rig.queue(BUILDER), Queue{attack(20, EntityType::Resource)});
}

TEST(KeyboardPlayerRefill, NoResourceInReachLeavesTheQueueEmpty) {
    Rig rig(view_of({
        entity(BUILDER, ME, EntityType::BuilderUnit, 10, 10, 10),
        entity(RESOURCE, std::nullopt, EntityType::Resource, 11, 11, 1),
        entity(20, std::nullopt, EntityType::Resource, 60, 60, 30),
    }));
    rig.view().max_pathfind_nodes = 3;
    rig.tick();
    rig.click({10.5f, 10.5f});
    rig.right_click({11.5f, 11.5f});
    rig.view().entities.erase(rig.view().entities.begin() + 1);
    EXPECT_EQ(rig.tick().entity_actions.at(BUILDER), NOTHING);
    EXPECT_TRUE(rig.queue(BUILDER).empty());
}

TEST(KeyboardPlayerRefill, UnitsThatDoNotCollectAreNotSentOn) {
    Rig rig(view_of({
        entity(MELEE, ME, EntityType::MeleeUnit, 10, 10, 50),
        entity(RESOURCE, std::nullopt, EntityType::Resource, 11, 11, 1),
        entity(20, std::nullopt, EntityType::Resource, 14, 10, 30),
    }));
    rig.tick();
    rig.click({10.5f, 10.5f});
    rig.right_click({11.5f, 11.5f});
    rig.view().entities.erase(rig.view().entities.begin() + 1);
    EXPECT_EQ(rig.tick().entity_actions.at(MELEE), AUTO_ATTACK);
    EXPECT_TRUE(rig.queue(MELEE).empty());
}

// ---- selection ---------------------------------------------------------------

TEST(KeyboardPlayerSelection, ClicksAndDrags) {
    Rig rig;
    rig.tick();
    // On the shared edge of two own units' squares.
    rig.click({21.0f, 20.5f});
    EXPECT_EQ(rig.player.selection(), (std::set<usize>{MELEE, SECOND_MELEE}));
    // A click with shift removes what is under the cursor.
    rig.click({21.5f, 20.5f}, {"LShift"});
    EXPECT_EQ(rig.player.selection(), std::set<usize>{MELEE});
    // A drag with shift adds the own entities it overlaps, never the enemy's.
    rig.drag({9.5f, 9.5f}, {31.0f, 31.0f}, {"LShift"});
    EXPECT_EQ(rig.player.selection(), (std::set<usize>{BUILDER, MELEE, SECOND_MELEE}));
    // A drag without shift starts afresh; the drag may run in any direction.
    rig.drag({7.0f, 22.0f}, {4.0f, 19.0f});
    EXPECT_EQ(rig.player.selection(), std::set<usize>{HOUSE});
    // A click on empty ground empties it.
    rig.click({50.5f, 60.5f});
    EXPECT_TRUE(rig.player.selection().empty());
}

TEST(KeyboardPlayerSelection, LosesEntitiesThatLeftTheView) {
    Rig rig;
    rig.tick();
    rig.drag({9.5f, 9.5f}, {22.5f, 22.5f});
    ASSERT_EQ(rig.player.selection(), (std::set<usize>{BUILDER, MELEE, SECOND_MELEE}));
    rig.view().entities.erase(rig.view().entities.begin() + 1);
    rig.update({}, {70.5f, 70.5f});
    EXPECT_EQ(rig.player.selection(), (std::set<usize>{BUILDER, SECOND_MELEE}));
}

// ---- the build menu --------------------------------------------------------------

TEST(KeyboardPlayerBuildMenu, ModeChangesByKey) {
    struct Case {
        const char* name;
        std::vector<Keys> presses;  // one update each, then all released
        BuildMode expected;
    };
    const std::vector<Case> cases{
        {"BOpensTheMenu", {{"B"}}, BuildMode::menu()},
        {"OtherLettersDoNothingInNormal", {{"W"}, {"LShift"}}, BuildMode::normal()},
        {"MenuLetters", {{"B"}, {"M"}}, BuildMode::placing(EntityType::MeleeBase)},
        {"BTwiceChoosesBuilderBase", {{"B"}, {"B"}}, BuildMode::placing(EntityType::BuilderBase)},
        {"RChoosesRangedBase", {{"B"}, {"R"}}, BuildMode::placing(EntityType::RangedBase)},
        {"HChoosesHouse", {{"B"}, {"H"}}, BuildMode::placing(EntityType::House)},
        {"TChoosesTurret", {{"B"}, {"T"}}, BuildMode::placing(EntityType::Turret)},
        {"PlacingSwitchesType", {{"B"}, {"W"}, {"T"}}, BuildMode::placing(EntityType::Turret)},
        {"OtherKeyClosesTheMenu", {{"B"}, {"A"}}, BuildMode::normal()},
        {"ModifierClosesTheMenu", {{"B"}, {"LCtrl"}}, BuildMode::normal()},
        {"SameUpdateBThenW", {{"B", "W"}}, BuildMode::placing(EntityType::Wall)},
        {"RightButtonClosesTheMenu", {{"B"}, {"MouseRight"}}, BuildMode::normal()},
        {"LeftButtonInMenuStartsADrag", {{"B"}, {"MouseLeft"}}, BuildMode::normal()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Rig rig;
        rig.tick();
        for (const auto& keys : c.presses) {
            rig.update(keys, {60.5f, 60.5f});
            rig.update({}, {60.5f, 60.5f});
        }
        EXPECT_EQ(rig.player.build_mode(), c.expected);
    }
}

DebugCommand add(DebugData data) { return DebugCommand{tarnwick::debug::Add<DebugData>{std::move(data)}}; }
DebugCommand log_line(const char* text) { return add(DebugData{DebugData::Log{text}}); }

DebugCommand outline(std::vector<Vec2F32> points, kimbly::ColorF32 color) {
    DebugData::Primitives lines{{}, velmora::model::PrimitiveType::Lines};
    for (std::size_t i = 0; i + 1 < points.size(); ++i) {
        lines.vertices.push_back(ColoredVertex{points[i], {0, 0}, color});
        lines.vertices.push_back(ColoredVertex{points[i + 1], {0, 0}, color});
    }
    return add(DebugData{std::move(lines)});
}

DebugCommand square(float x, float y, float size, kimbly::ColorF32 color) {
    return outline({{x, y}, {x + size, y}, {x + size, y + size}, {x, y + size}, {x, y}}, color);
}

const kimbly::ColorF32 WHITE{1, 1, 1, 1};
const kimbly::ColorF32 RED{1, 0, 0, 1};
const kimbly::ColorF32 YELLOW{1, 1, 0, 1};
const DebugCommand NO_AUTO_FLUSH{tarnwick::debug::SetAutoFlush{false}};
const DebugCommand CLEAR{tarnwick::debug::Clear{}};
const DebugCommand FLUSH{tarnwick::debug::Flush{}};

TEST(KeyboardPlayerDrawing, NormalModeShowsHelpCursorCellAndSelection) {
    Rig rig;
    rig.tick();
    rig.click({10.5f, 10.5f});
    rig.update({}, {33.25f, 7.75f});
    EXPECT_EQ(rig.commands, (std::vector<DebugCommand>{NO_AUTO_FLUSH, CLEAR, log_line("Press B to build"),
                                                        square(33, 7, 1, WHITE), square(10, 10, 1, WHITE), FLUSH}));
    // Off the map there is no cursor cell.
    rig.update({}, {-0.5f, 7.75f});
    EXPECT_EQ(rig.commands, (std::vector<DebugCommand>{NO_AUTO_FLUSH, CLEAR, log_line("Press B to build"),
                                                        square(10, 10, 1, WHITE), FLUSH}));
}

TEST(KeyboardPlayerDrawing, MenuListsTheSixBuildings) {
    Rig rig;
    rig.tick();
    rig.update({"B"}, {-1.0f, -1.0f});
    EXPECT_EQ(rig.commands,
              (std::vector<DebugCommand>{NO_AUTO_FLUSH, CLEAR, log_line("B to build BuilderBase"),
                                         log_line("M to build MeleeBase"), log_line("R to build RangedBase"),
                                         log_line("H to build House"), log_line("W to build Wall"),
                                         log_line("T to build Turret"), FLUSH}));
}

TEST(KeyboardPlayerDrawing, DragShowsTheQuadAndTheOwnEntitiesItTouches) {
    Rig rig;
    rig.tick();
    rig.update({"MouseLeft"}, {19.5f, 19.5f});
    rig.update({"MouseLeft"}, {22.5f, 24.5f});
    ASSERT_EQ(rig.commands.size(), 7u);
    EXPECT_EQ(rig.commands[3], outline({{19.5f, 19.5f}, {22.5f, 19.5f}, {22.5f, 24.5f}, {19.5f, 24.5f}, {19.5f, 19.5f}},
                                       YELLOW));
    EXPECT_EQ(rig.commands[4], square(20, 20, 1, YELLOW));
    EXPECT_EQ(rig.commands[5], square(21, 20, 1, YELLOW));
    // Dragged up and to the left the quad is reversed so that it still
    // turns counter-clockwise.
    rig.update({}, {0.0f, 0.0f});
    rig.update({"MouseLeft"}, {22.5f, 19.5f});
    rig.update({"MouseLeft"}, {19.5f, 24.5f});
    EXPECT_EQ(rig.commands[3], outline({{22.5f, 19.5f}, {22.5f, 24.5f}, {19.5f, 24.5f}, {19.5f, 19.5f}, {22.5f, 19.5f}},
                                       YELLOW));
}

TEST(KeyboardPlayerDrawing, PlacementSquareIsCentredInTheGameFrame) {
    struct Case {
        const char* name;
        Keys menu_keys;
        Vec2F32 cursor;
        DebugCommand shape;
    };
    const std::vector<Case> cases{
        {"WallAtTenTen", {"W"}, {10.5f, 10.5f}, square(10, 10, 1, RED)},
        {"BaseAtTwoTwo", {"B"}, {2.5f, 2.5f}, square(0, 0, 5, RED)},
        {"HouseAtFiveFive", {"H"}, {5.5f, 5.5f}, square(4, 4, 3, RED)},
        // Without a square the cursor cell is shown instead.
        {"BaseSticksOutAtOneOne", {"B"}, {1.5f, 1.5f}, square(1, 1, 1, WHITE)},
        {"BaseSticksOutAtTheFarEdge", {"B"}, {78.5f, 40.5f}, square(78, 40, 1, WHITE)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Rig rig;
        rig.tick();
        rig.update({"B"}, c.cursor);
        rig.update({}, c.cursor);
        rig.update(c.menu_keys, c.cursor);
        rig.update({}, c.cursor);
        ASSERT_EQ(rig.commands.size(), 5u);
        EXPECT_EQ(rig.commands[2], log_line("Select position to build and press LMB"));
        EXPECT_EQ(rig.commands[3], c.shape);
    }
}

TEST(KeyboardPlayerDrawing, PlacementSquareInARotatedFrame) {
    // Player index 1 sees the map turned half round: the centring happens in
    // the game frame and the corner comes back with the building's size.
    Rig rig;
    rig.state().player_index = 1;
    rig.tick();
    for (int press = 0; press < 2; ++press) {
        rig.update({"B"}, {10.5f, 10.5f});
        rig.update({}, {10.5f, 10.5f});
    }
    ASSERT_EQ(rig.player.build_mode(), BuildMode::placing(EntityType::BuilderBase));
    EXPECT_EQ(rig.commands[3], square(8, 8, 5, RED));
}

// ---- placing buildings ---------------------------------------------------------

TEST(KeyboardPlayerBuilding, LeftButtonWhilePlacingOrdersAbleBuilders) {
    Rig rig;
    rig.tick();
    rig.drag({9.5f, 9.5f}, {22.5f, 22.5f});
    ASSERT_EQ(rig.player.selection(), (std::set<usize>{BUILDER, MELEE, SECOND_MELEE}));
    // Shift is held from before the menu opens: pressed while placing it
    // would close the menu like any other key.
    rig.update({"LShift"}, {50.5f, 50.5f});
    rig.update({"LShift", "B"}, {50.5f, 50.5f});
    rig.update({"LShift", "W"}, {50.5f, 50.5f});
    ASSERT_EQ(rig.player.build_mode(), BuildMode::placing(EntityType::Wall));
    rig.update({"LShift", "MouseLeft"}, {50.5f, 50.5f});
    EXPECT_EQ(rig.player.build_mode(), BuildMode::normal());
    EXPECT_EQ(rig.commands[2], log_line("Press B to build"));
    EXPECT_EQ(rig.queue(BUILDER), Queue{build(EntityType::Wall, 50, 50)});
    EXPECT_TRUE(rig.queue(MELEE).empty());
    EXPECT_FALSE(rig.player.drag_start().has_value());

    // The build order: go there, build, and repair the foundation once it stands.
    EXPECT_EQ(rig.tick().entity_actions.at(BUILDER),
              action(move_to(50, 50), velmora::model::BuildAction{EntityType::Wall, {50, 50}}, std::nullopt,
                     std::nullopt));
    rig.view().entities.push_back(entity(30, ME, EntityType::Wall, 50, 50, 5, false));
    EXPECT_EQ(rig.tick().entity_actions.at(BUILDER),
              action(move_to(50, 50), velmora::model::BuildAction{EntityType::Wall, {50, 50}}, std::nullopt,
                     velmora::model::RepairAction{30}));
    // Finished once the first entity at the corner is our active wall.
    rig.view().entities.back() = entity(30, ME, EntityType::Wall, 50, 50, 50, true);
    EXPECT_EQ(rig.tick().entity_actions.at(BUILDER), NOTHING);
}

TEST(KeyboardPlayerBuilding, HeldLeftButtonWithShiftKeepsPlacing) {
    Rig rig;
    rig.tick();
    rig.click({10.5f, 10.5f});
    // Placing is chosen while the left button is already held, so the button
    // is not newly pressed in the updates that follow.
    const Keys held{"LShift", "MouseLeft", "B", "W"};
    rig.update({"LShift"}, {50.5f, 50.5f});
    rig.update({"LShift", "MouseLeft"}, {50.5f, 50.5f});
    rig.update(held, {50.5f, 50.5f});
    ASSERT_EQ(rig.player.build_mode(), BuildMode::placing(EntityType::Wall));
    ASSERT_TRUE(rig.queue(BUILDER).empty());
    // Shift keeps the mode and each update orders again.
    rig.update(held, {50.5f, 50.5f});
    rig.update(held, {52.5f, 50.5f});
    EXPECT_EQ(rig.player.build_mode(), BuildMode::placing(EntityType::Wall));
    EXPECT_EQ(rig.queue(BUILDER), (Queue{build(EntityType::Wall, 50, 50), build(EntityType::Wall, 52, 50)}));
    // Without shift the held button leaves placing after ordering once more.
    rig.update({"MouseLeft", "B", "W"}, {54.5f, 50.5f});
    EXPECT_EQ(rig.player.build_mode(), BuildMode::normal());
    EXPECT_EQ(rig.queue(BUILDER), Queue{build(EntityType::Wall, 54, 50)});
}

TEST(KeyboardPlayerBuilding, NoSquareMeansTheLeftButtonOnlyLeavesPlacing) {
    Rig rig;
    rig.tick();
    rig.click({10.5f, 10.5f});
    for (int press = 0; press < 2; ++press) {
        rig.update({"B"}, {1.5f, 1.5f});
        rig.update({}, {1.5f, 1.5f});
    }
    ASSERT_EQ(rig.player.build_mode(), BuildMode::placing(EntityType::BuilderBase));
    rig.update({"MouseLeft"}, {1.5f, 1.5f});
    EXPECT_EQ(rig.player.build_mode(), BuildMode::normal());
    EXPECT_TRUE(rig.queue(BUILDER).empty());
}

TEST(KeyboardPlayerBuilding, RandomBuildAtTheCursorCell) {
    Rig rig;
    rig.tick();
    rig.drag({9.5f, 9.5f}, {20.5f, 20.5f});
    ASSERT_EQ(rig.player.selection(), (std::set<usize>{BUILDER, MELEE}));
    rig.update({"R"}, {1.5f, 1.5f});
    const Queue queue = rig.queue(BUILDER);
    ASSERT_EQ(queue.size(), 1u);
    const auto* order = std::get_if<HighLevelAction::Build>(&queue[0].value);
    ASSERT_NE(order, nullptr);
    // The corner is the cursor cell itself: no centring, no bounds check.
    EXPECT_EQ(order->position, (Vec2Usize{1, 1}));
    const auto& options = rig.view().entity_properties.at(EntityType::BuilderUnit).build->options;
    EXPECT_NE(std::find(options.begin(), options.end(), order->entity_type), options.end());
    EXPECT_TRUE(rig.queue(MELEE).empty());
}

TEST(KeyboardPlayerBuilding, RightReleaseInTheMenuOnlyClosesIt) {
    Rig rig;
    rig.tick();
    rig.click({20.5f, 20.5f});
    rig.update({"MouseRight"}, {25.5f, 25.5f});
    rig.update({"MouseRight", "B"}, {25.5f, 25.5f});
    ASSERT_EQ(rig.player.build_mode(), BuildMode::menu());
    rig.update({}, {25.5f, 25.5f});
    EXPECT_EQ(rig.player.build_mode(), BuildMode::normal());
    EXPECT_TRUE(rig.queue(MELEE).empty());
}

// ---- as the match runner holds it -------------------------------------------------

TEST(KeyboardPlayerInMatch, ServesTheFrameworkPlayerInterface) {
    using Game = velmora::model::Model;
    std::unique_ptr<tarnwick::player::Player<Game>> player = std::make_unique<velmora::keyboard_player::Player<Game>>();
    PlayerView view = view_of(scene());
    // Batch mode: no debug interface, default orders only.
    EXPECT_EQ(player->get_action(view, nullptr).entity_actions.at(MELEE), AUTO_ATTACK);

    std::vector<DebugCommand> commands;
    DebugState state;
    state.window_size = {1024, 1024};
    state.camera = test_camera();
    state.pressed_keys = {"B"};
    state.mouse_pos_world = {-1.0f, -1.0f};
    tarnwick::player::DebugHandlersOf<Game> handlers{
        [&](usize index, bool in_update, DebugCommand command) {
            EXPECT_EQ(index, 0u);
            EXPECT_TRUE(in_update);
            commands.push_back(std::move(command));
        },
        [&](usize) { return state; }};
    tarnwick::player::DebugInterfaceOf<Game> debug(0, handlers, true);
    player->debug_update(view, debug);
    // No auto-flush, clear, the six help lines, flush.
    EXPECT_EQ(commands.size(), 9u);
    const auto& keyboard = static_cast<velmora::keyboard_player::Player<Game>&>(*player).state();
    EXPECT_EQ(keyboard.build_mode(), BuildMode::menu());
}

// ---- geometry --------------------------------------------------------------------

TEST(KeyboardPlayerGeometry, CursorCell) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    struct Case {
        Vec2F32 world;
        std::optional<Vec2Usize> cell;
    };
    const std::vector<Case> cases{
        {{0.0f, 0.0f}, Vec2Usize{0, 0}},   {{10.9f, 3.2f}, Vec2Usize{10, 3}}, {{79.99f, 0.5f}, Vec2Usize{79, 0}},
        {{80.0f, 0.5f}, std::nullopt},     {{-0.1f, 5.0f}, std::nullopt},     {{5.0f, -0.0001f}, std::nullopt},
        {{1e30f, 5.0f}, std::nullopt},     {{inf, 5.0f}, std::nullopt},       {{nan, 5.0f}, std::nullopt},
        {{5.0f, nan}, std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(velmora::keyboard_player::cursor_cell(c.world, 80), c.cell) << c.world.x << "," << c.world.y;
    }
}

TEST(KeyboardPlayerGeometry, FrameRotation) {
    using velmora::keyboard_player::to_player_frame;
    const Vec2F32 p{10.5f, 20.25f};
    EXPECT_EQ(to_player_frame(p, 80, 0), (Vec2F32{10.5f, 20.25f}));
    EXPECT_EQ(to_player_frame(p, 80, 1), (Vec2F32{69.5f, 59.75f}));
    EXPECT_EQ(to_player_frame(p, 80, 2), (Vec2F32{20.25f, 69.5f}));
    EXPECT_EQ(to_player_frame(p, 80, 3), (Vec2F32{59.75f, 10.5f}));
}

TEST(KeyboardPlayerGeometry, Overlap) {
    using velmora::keyboard_player::overlap;
    using velmora::keyboard_player::Outline;
    using velmora::keyboard_player::square_outline;
    auto point = [](float x, float y) { return Outline{Vec2F32{x, y}, {x, y}, {x, y}, {x, y}, {x, y}}; };
    const Outline unit = square_outline({2.0f, 3.0f}, 1.0f);
    struct Case {
        const char* name;
        Outline other;
        bool expected;
    };
    const std::vector<Case> cases{
        {"PointInside", point(2.5f, 3.5f), true},
        {"PointOnEdge", point(3.0f, 3.5f), true},
        {"PointOnCorner", point(2.0f, 3.0f), true},
        {"PointOutside", point(3.01f, 3.5f), false},
        {"SquaresTouchingAtACorner", square_outline({3.0f, 4.0f}, 2.0f), true},
        {"SquareContainingIt", square_outline({0.0f, 0.0f}, 10.0f), true},
        {"SquareApart", square_outline({3.5f, 3.0f}, 1.0f), false},
        // Their bounding boxes overlap, the shapes do not.
        {"DiamondBesideACorner",
         Outline{Vec2F32{2.6f, 5.0f}, {4.0f, 3.6f}, {5.4f, 5.0f}, {4.0f, 6.4f}, {2.6f, 5.0f}}, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(overlap(unit, c.other), c.expected) << c.name;
        EXPECT_EQ(overlap(c.other, unit), c.expected) << c.name;
    }
}

}  // namespace
