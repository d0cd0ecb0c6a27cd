#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "model_fixture.hpp"
#include "velmora/renderer/player_colors.hpp"
#include "velmora/renderer/schematic.hpp"

namespace {

using kimbly::ColorF32;
using kimbly::Vec2F32;
using velmora::model::EntityType;
using velmora::model::Model;
using velmora::model::usize;
using velmora::renderer::BrokenData;
using velmora::renderer::BrokenDataLog;
using velmora::renderer::LinePoint;
using velmora::renderer::player_color;
using velmora::renderer::Square;
using namespace velmora::renderer::schematic;
using namespace velmora::model::testing;

void expect_square(const Square& actual, Vec2F32 center, Vec2F32 half_size, ColorF32 color) {
    EXPECT_NEAR(actual.center.x, center.x, TOLERANCE);
    EXPECT_NEAR(actual.center.y, center.y, TOLERANCE);
    EXPECT_NEAR(actual.half_size.x, half_size.x, TOLERANCE);
    EXPECT_NEAR(actual.half_size.y, half_size.y, TOLERANCE);
    EXPECT_EQ(actual.color, color);
}

ColorF32 with_alpha(ColorF32 color, float alpha) { return {color.r, color.g, color.b, alpha}; }

TEST(SchematicView, BoardIsOneGreySquare) {
    expect_square(background(empty_model(80)), {40, 40}, {40, 40}, BACKGROUND_COLOR);
}

TEST(SchematicView, BaseBoxShrinksItsHealthSquare) {
    struct Case {
        const char* name;
        std::optional<usize> health;
        float health_half;
    };
    const Case cases[] = {{"full health fills the box", std::nullopt, 2.4f}, {"40% health", 120, 0.96f}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Model state = empty_model(80);
        const usize owner = add_player(state, 2);
        add_entity(state, {EntityType::BuilderBase, owner, at(10, 10), c.health});
        BrokenDataLog log;
        const auto squares = boxes(state, BUILDING_TYPES, log);
        ASSERT_EQ(squares.size(), 2u);
        // The box spans 10.1 to 14.9; the health square 1.92 wide at 40%.
        expect_square(squares[0], {12.5f, 12.5f}, {2.4f, 2.4f}, with_alpha(player_color(2), 0.5f));
        expect_square(squares[1], {12.5f, 12.5f}, {c.health_half, c.health_half}, player_color(2));
    }
}

TEST(SchematicView, BoxesTakeOnlyTheirTypesAndGreyForNoOwner) {
    Model state = empty_model();
    const usize owner = add_player(state, 1);
    add_entity(state, EntityType::MeleeUnit, owner, at(1, 1));
    add_entity(state, EntityType::Wall, std::nullopt, at(3, 3));
    add_entity(state, EntityType::Resource, std::nullopt, at(5, 5));
    BrokenDataLog log;

    const auto units = boxes(state, UNIT_TYPES, log);
    ASSERT_EQ(units.size(), 2u);
    expect_square(units[0], {1.5f, 1.5f}, {0.4f, 0.4f}, with_alpha(player_color(1), 0.5f));

    const auto buildings = boxes(state, BUILDING_TYPES, log);
    ASSERT_EQ(buildings.size(), 2u);
    expect_square(buildings[0], {3.5f, 3.5f}, {0.4f, 0.4f}, {0.5f, 0.5f, 0.5f, 0.5f});
    expect_square(buildings[1], {3.5f, 3.5f}, {0.4f, 0.4f}, {0.5f, 0.5f, 0.5f, 1.0f});
}

TEST(SchematicView, IconsCoverUnitsWithAMarginAndBuildingsWhole) {
    Model state = empty_model();
    const usize owner = add_player(state, 0);
    add_entity(state, EntityType::RangedUnit, owner, at(3, 4));
    add_entity(state, {EntityType::House, owner, at(10, 10), 1, false});
    BrokenDataLog log;

    const auto unit_icons = icons(state, UNIT_ICONS[2], log);
    ASSERT_EQ(unit_icons.size(), 1u);
    // From (3.1, 4.1) to (3.9, 4.9), white while active.
    expect_square(unit_icons[0], {3.5f, 4.5f}, {0.4f, 0.4f}, ACTIVE_ICON_COLOR);

    const auto house_icons = icons(state, BUILDING_ICONS[3], log);
    ASSERT_EQ(house_icons.size(), 1u);
    expect_square(house_icons[0], {11.5f, 11.5f}, {1.5f, 1.5f}, INACTIVE_ICON_COLOR);
    EXPECT_TRUE(icons(state, BUILDING_ICONS[4], log).empty());
}

TEST(SchematicView, ResourcesShrinkWithTheirHealth) {
    Model state = empty_model();
    add_entity(state, {EntityType::Resource, std::nullopt, at(7, 2), 15});
    BrokenDataLog log;
    const auto squares = resources(state, log);
    ASSERT_EQ(squares.size(), 1u);
    expect_square(squares[0], {7.5f, 2.5f}, {0.25f, 0.25f}, RESOURCE_COLOR);
}

TEST(SchematicView, AttackLinesRunBetweenCentresBeforeTheTick) {
    Model previous = empty_model();
    const usize owner = add_player(previous, 0);
    const usize turret = add_entity(previous, EntityType::Turret, owner, at(2, 2));
    const usize victim = add_entity(previous, EntityType::MeleeUnit, std::nullopt, at(6, 3));
    const usize dead = add_entity(previous, EntityType::MeleeUnit, std::nullopt, at(9, 9));
    Model shown = previous;
    shown.entities.by_id.at(victim).position = at(7, 3);
    const std::vector<velmora::model::Event> events = {attack_event(turret, victim),
                                                       attack_event(turret, 999)};
    BrokenDataLog log;

    EXPECT_TRUE(attack_lines(shown, nullptr, {}, log).empty());
    const auto points = attack_lines(shown, &previous, events, log);
    const std::vector<LinePoint> expected = {{{3.0f, 3.0f}, ATTACKER_COLOR}, {{6.5f, 3.5f}, TARGET_COLOR}};
    EXPECT_EQ(points, expected);
    EXPECT_FALSE(log.reported(BrokenData::MissingAttacker));
    (void)dead;
}

// States no rule produces, as a hand-edited saved state or a damaged replay
// may hold them: what cannot be drawn is left out and reported.
TEST(SchematicView, BrokenStatesLeaveOutWhatTheyLack) {
    Model state = empty_model();
    const usize owner = add_player(state, 0);
    add_entity(state, EntityType::MeleeUnit, owner, at(1, 1));
    add_entity(state, EntityType::MeleeUnit, 77, at(2, 2));  // owner gone
    BrokenDataLog log;
    EXPECT_EQ(boxes(state, UNIT_TYPES, log).size(), 2u);
    EXPECT_TRUE(log.reported(BrokenData::MissingOwner));

    state.entity_properties.value.erase(EntityType::MeleeUnit);
    EXPECT_TRUE(boxes(state, UNIT_TYPES, log).empty());
    EXPECT_TRUE(icons(state, UNIT_ICONS[1], log).empty());
    EXPECT_TRUE(log.reported(BrokenData::MissingType));

    const std::vector<velmora::model::Event> events = {attack_event(42, 1)};
    EXPECT_TRUE(attack_lines(state, nullptr, events, log).empty());
    EXPECT_TRUE(log.reported(BrokenData::MissingPrevious));
    EXPECT_TRUE(attack_lines(state, &state, events, log).empty());
    EXPECT_TRUE(log.reported(BrokenData::MissingAttacker));
}

}  // namespace
