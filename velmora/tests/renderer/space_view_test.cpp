#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "renderer/view_fixture.hpp"
#include "velmora/renderer/player_colors.hpp"
#include "velmora/renderer/view_lookup.hpp"
#include "velmora/renderer/space/alive_index.hpp"
#include "velmora/renderer/space/effects.hpp"
#include "velmora/renderer/space/fleet.hpp"
#include "velmora/renderer/space/nebulae.hpp"
#include "velmora/renderer/space/stars.hpp"

namespace {

using kimbly::Vec2F32;
using velmora::model::Entity;
using velmora::model::EntityType;
using velmora::model::Event;
using velmora::model::Model;
using velmora::model::usize;
using velmora::renderer::BrokenData;
using velmora::renderer::BrokenDataLog;
using velmora::renderer::CurrentState;
using velmora::renderer::player_color;
using namespace velmora::renderer::space;
using namespace velmora::model::testing;
using velmora::renderer::testing::next_tick;
using velmora::renderer::testing::Tick;

TEST(SpaceView, BuildingPartsAppearAsConstructionAdvances) {
    Model state = empty_model();
    state.entity_properties.value[EntityType::House].max_health = 500;
    const usize owner = add_player(state, 0);
    const usize house = add_entity(state, {EntityType::House, owner, at(4, 4), 260, false});
    const Entity& site = velmora::model::testing::entity(state, house);
    const auto& properties = properties_of(state, EntityType::House);

    std::vector<bool> shown;
    for (std::size_t part = 0; part < 4; ++part) shown.push_back(part_shown(site, properties, part, 4));
    EXPECT_EQ(shown, (std::vector<bool>{true, true, true, false}));  // thresholds 0, 125, 250, 375
    const auto tint = building_tint(site, properties);
    EXPECT_NEAR(tint.g, 0.52f, TOLERANCE);
    EXPECT_NEAR(tint.b, 0.52f, TOLERANCE);
    EXPECT_EQ(tint.r, 1.0f);

    state.entities.by_id.at(house).active = true;
    EXPECT_TRUE(part_shown(velmora::model::testing::entity(state, house), properties, 3, 4));
    EXPECT_EQ(building_tint(velmora::model::testing::entity(state, house), properties), (kimbly::ColorF32{1, 1, 1, 1}));
}

TEST(SpaceView, BuilderBaseSpinsItsLaterPartsOnlyWhenActive) {
    Model before = empty_model();
    const usize owner = add_player(before, 0);
    const usize base = add_entity(before, EntityType::BuilderBase, owner, at(10, 10));
    const usize site = add_entity(before, {EntityType::BuilderBase, owner, at(20, 20), 300, false});
    before.current_tick = 9;
    Tick tick(before, next_tick(before));
    const CurrentState state = tick.at(0.5);
    const Scene scene{state, tick.log};
    const AliveIndex alive(scene, alive_entities(state));

    const float expected[] = {0.0f, -0.1f * 10.5f, 0.1f * 10.5f, -0.1f * 10.5f};
    for (std::size_t part = 0; part < 4; ++part) {
        SCOPED_TRACE(part);
        const auto placements = building_parts(scene, alive, EntityType::BuilderBase, player(before, owner), part, 4, true);
        ASSERT_EQ(placements.size(), 2u);
        EXPECT_NEAR(placements[0].tilt, expected[part], TOLERANCE);
        EXPECT_EQ(placements[1].tilt, 0.0f);
        EXPECT_NEAR(placements[0].position.x, 12.5f, TOLERANCE);
        EXPECT_NEAR(placements[0].position.y, 12.5f + 0.01f * std::sin(10.5f), TOLERANCE);
        EXPECT_EQ(placements[0].size, 2.5f);
    }
    (void)base;
    (void)site;
}

TEST(SpaceView, BulletsFlyInTheFirstHalfAndExplosionsFlashAfter) {
    struct Case {
        double t;
        bool bullets, explosions;
    };
    const Case cases[] = {{0.1, true, false}, {0.5, true, true}, {0.5001, false, true}, {0.7, false, true},
                          {0.7001, false, false}, {1.0, false, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.t);
        EXPECT_EQ(bullets_shown(c.t), c.bullets);
        EXPECT_EQ(explosions_shown(c.t, true), c.explosions);
        EXPECT_FALSE(explosions_shown(c.t, false));
    }
}

// A ranged unit of player index 2 shoots a melee unit that dies in the tick.
struct SpaceViewShootout : ::testing::Test {
    Model before = empty_model();
    usize owner = add_player(before, 2);
    usize shooter = add_entity(before, EntityType::RangedUnit, owner, at(2, 2));
    usize victim = add_entity(before, {EntityType::MeleeUnit, std::nullopt, at(6, 2), 5});
    Tick tick = make_tick();

    Tick make_tick() {
        Model after = next_tick(before);
        after.entities.by_id.erase(victim);
        return Tick(before, after, {attack_event(shooter, victim)});
    }
};

TEST_F(SpaceViewShootout, BulletTravelsFromAttackerToTarget) {
    const auto expected_color = velmora::renderer::lightened(player_color(2));
    for (double t : {0.0, 0.25, 0.5}) {
        SCOPED_TRACE(t);
        const CurrentState state = tick.at(t);
        const auto sprites = bullets(Scene{state, tick.log});
        ASSERT_EQ(sprites.size(), 1u);
        EXPECT_NEAR(sprites[0].position.x, 2.5f + 4.0f * 2.0f * static_cast<float>(t), TOLERANCE);
        EXPECT_NEAR(sprites[0].position.y, 2.5f, TOLERANCE);
        EXPECT_EQ(sprites[0].size, 0.1f);
        EXPECT_EQ(sprites[0].color, expected_color);
    }
}

TEST_F(SpaceViewShootout, DeadEntityStaysForHalfATickThenExplodes) {
    const CurrentState early = tick.at(0.4);
    const CurrentState late = tick.at(0.6);
    EXPECT_EQ(alive_entities(early), (std::vector<usize>{shooter, victim}));
    EXPECT_EQ(alive_entities(late), (std::vector<usize>{shooter}));

    const auto blasts = explosions(Scene{late, tick.log});
    ASSERT_EQ(blasts.size(), 2u);
    EXPECT_EQ(blasts[0].size, 1.0f);  // the destroyed unit, twice its size
    EXPECT_EQ(blasts[1].size, 0.1f);  // the hit
    EXPECT_NEAR(blasts[0].position.x, 6.5f, TOLERANCE);
}

// Each pass of the view walks the index of its type; the index holds every
// alive ship and building once, moved to the shown moment, and no resource.
TEST_F(SpaceViewShootout, AliveIndexGroupsEntitiesByTypeInIdOrder) {
    before.entities.by_id.clear();
    const usize house = add_entity(before, EntityType::House, owner, at(9, 9));
    const usize first = add_entity(before, EntityType::RangedUnit, owner, at(1, 1));
    add_entity(before, EntityType::Resource, std::nullopt, at(5, 5));
    const usize doomed = add_entity(before, EntityType::MeleeUnit, owner, at(3, 1));
    const usize last = add_entity(before, EntityType::RangedUnit, owner, at(2, 1));
    Model after = next_tick(before);
    after.entities.by_id.erase(doomed);
    Tick shootout(before, after);
    const CurrentState state = shootout.at(0.25);
    const AliveIndex alive(Scene{state, shootout.log}, alive_entities(state));

    const auto ids = [](std::span<const AliveEntity> entries) {
        std::vector<usize> result;
        for (const AliveEntity& entry : entries) result.push_back(entry.id);
        return result;
    };
    EXPECT_EQ(ids(alive.all()), (std::vector<usize>{house, first, doomed, last}));
    EXPECT_EQ(ids(alive.of_type(EntityType::RangedUnit)), (std::vector<usize>{first, last}));
    EXPECT_EQ(ids(alive.of_type(EntityType::MeleeUnit)), (std::vector<usize>{doomed}));  // until mid-tick
    EXPECT_TRUE(alive.of_type(EntityType::Resource).empty());
    EXPECT_TRUE(alive.of_type(EntityType::Turret).empty());
    const AliveEntity& moved = alive.of_type(EntityType::House).front();
    EXPECT_EQ(moved.entity->position, at(9, 9));
    ASSERT_TRUE(moved.moment);
    EXPECT_NEAR(moved.moment->position.x, 9.0f + static_cast<float>(properties_of(after, EntityType::House).size) / 2,
                TOLERANCE);
}

TEST_F(SpaceViewShootout, RingsShowHealthBeforeTheHitUntilMidTick) {
    const CurrentState early = tick.at(0.4);
    const Scene early_scene{early, tick.log};
    const auto rings = health_rings(early_scene, AliveIndex(early_scene, alive_entities(early)));
    ASSERT_EQ(rings.size(), 2u);
    EXPECT_EQ(rings[0].value, 1.0f);
    EXPECT_EQ(rings[0].color, player_color(2));
    EXPECT_NEAR(rings[0].color_off.r, 1.0f, TOLERANCE);
    EXPECT_NEAR(rings[0].color_off.g, 0.5f, TOLERANCE);
    EXPECT_EQ(rings[0].color_off.a, 0.7f);
    EXPECT_NEAR(rings[1].value, 0.1f, TOLERANCE);  // 5 of 50
    EXPECT_EQ(rings[1].color, velmora::renderer::UNOWNED_COLOR);
    EXPECT_EQ(rings[0].size, 0.45f);

    const CurrentState at_end = tick.at(1.0);
    const Scene end_scene{at_end, tick.log};
    const auto late_rings = health_rings(end_scene, AliveIndex(end_scene, alive_entities(at_end)));
    EXPECT_EQ(late_rings.size(), 1u);
    EXPECT_FALSE(tick.log.reported(BrokenData::MissingRecord));
}

TEST(SpaceView, TrailShowsOnlyWhileMoving) {
    Model before = empty_model();
    const usize owner = add_player(before, 1);
    const usize mover = add_entity(before, EntityType::BuilderUnit, owner, at(3, 3));
    const usize idle = add_entity(before, EntityType::BuilderUnit, owner, at(8, 8));
    Model after = next_tick(before);
    after.entities.by_id.at(mover).position = at(4, 3);
    Tick tick(before, after);
    const CurrentState state = tick.at(1.0);
    const AliveIndex alive(Scene{state, tick.log}, alive_entities(state));
    const auto ships = spaceships(alive, EntityType::BuilderUnit, player(before, owner));
    ASSERT_EQ(ships.bodies.size(), 2u);
    EXPECT_EQ(ships.trails[0].color, (kimbly::ColorF32{1, 1, 0, 1}));
    EXPECT_EQ(ships.trails[1].color.a, 0.0f);
    EXPECT_EQ(ships.bodies[0].size, 0.2f);
    EXPECT_EQ(ships.bodies[0].color, (kimbly::ColorF32{1, 1, 1, 1}));
    EXPECT_TRUE(spaceships(alive, EntityType::MeleeUnit, player(before, owner)).bodies.empty());
    (void)idle;
}

TEST(SpaceView, ResourcesShrinkToAFifthWhileTheirCoresStay) {
    Model state = empty_model();
    add_entity(state, EntityType::Resource, std::nullopt, at(5, 5));
    add_entity(state, {EntityType::Resource, std::nullopt, at(9, 5), 0});
    const kimbly::noise::OpenSimplex noise(0);
    BrokenDataLog log;
    const auto look = nebulae(state, 3.25, noise, log);
    ASSERT_EQ(look.glows.size(), 4u);
    ASSERT_EQ(look.clouds.size(), 2u);
    const double m = noise.get(3.25 + 5.0, 5.0);
    const float pulse = static_cast<float>(m * 0.1 + 1.0);
    EXPECT_NEAR(look.glows[0].size, pulse * 3.0f, TOLERANCE);
    EXPECT_NEAR(look.glows[1].size, pulse * 0.5f, TOLERANCE);
    EXPECT_EQ(look.glows[1].color.a, 1.7f);
    EXPECT_NEAR(look.clouds[0].size, pulse * 0.8f, TOLERANCE);
    EXPECT_NEAR(look.cores[0].size, pulse * 0.05f, TOLERANCE);
    EXPECT_EQ(look.cores[0].emission, 1.0f);
    const double m_empty = noise.get(3.25 + 9.0, 5.0);
    EXPECT_NEAR(look.clouds[1].size, static_cast<float>(m_empty * 0.1 + 1.0) * 0.8f * 0.2f, TOLERANCE);
    EXPECT_NEAR(look.glows[0].position.x, 5.5f + 0.5f * static_cast<float>(noise.get(0.325 + 5.0, 5.0)), TOLERANCE);
}

TEST(SpaceView, StarFieldFollowsItsSeed) {
    velmora::model::testing::CountingRng first(7);
    velmora::model::testing::CountingRng second(7);
    const auto stars = star_field(first);
    ASSERT_EQ(stars.size(), STAR_COUNT);
    EXPECT_EQ(stars, star_field(second));
    EXPECT_EQ(first.u32_count, 3 * STAR_COUNT);
    for (const auto& star : stars) {
        EXPECT_GE(star.position.x, -256.0f);
        EXPECT_LT(star.position.y, 512.0f);
        EXPECT_GE(star.position.z, -100.0f);
        EXPECT_LT(star.position.z, -50.0f);
    }
}

// States no rule produces, as a hand-edited saved state or a damaged replay
// may hold them: what cannot be drawn is left out and reported.
TEST(SpaceView, BrokenStatesLeaveOutWhatTheyLack) {
    Model before = empty_model();
    const usize owner = add_player(before, 0);
    const usize shooter = add_entity(before, EntityType::RangedUnit, owner, at(2, 2));
    const usize stray = add_entity(before, EntityType::MeleeUnit, 55, at(4, 4));
    const usize loner = add_entity(before, EntityType::RangedUnit, std::nullopt, at(6, 6));
    Tick tick(before, next_tick(before), {attack_event(loner, shooter), attack_event(shooter, stray)});
    const CurrentState state = tick.at(0.3);
    const Scene scene{state, tick.log};

    EXPECT_EQ(bullets(scene).size(), 1u);  // the attacker without owner shoots nothing
    EXPECT_TRUE(tick.log.reported(BrokenData::MissingAttacker));
    EXPECT_EQ(health_rings(scene, AliveIndex(scene, alive_entities(state))).size(), 2u);  // not the stray's
    EXPECT_TRUE(tick.log.reported(BrokenData::MissingOwner));

    tick.shown_data.by_id.erase(shooter);
    EXPECT_FALSE(interpolated_entity(scene, shooter, 0.5f));
    EXPECT_TRUE(tick.log.reported(BrokenData::MissingRecord));

    tick.shown.entity_properties.value.erase(EntityType::MeleeUnit);
    EXPECT_FALSE(interpolated_entity(scene, stray, 0.5f));
    EXPECT_TRUE(tick.log.reported(BrokenData::MissingType));
}

}  // namespace
