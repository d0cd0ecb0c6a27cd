#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include <pakko/measure.hpp>

#include "model_fixture.hpp"
#include "test_support/panic_message.hpp"
#include "velmora/renderer/space/renderer_data.hpp"

namespace {

using kimbly::Vec2F32;
using velmora::model::Entity;
using velmora::model::EntityType;
using velmora::model::Event;
using velmora::model::Model;
using velmora::model::usize;
using velmora::renderer::space::create_renderer_data;
using velmora::renderer::space::RendererData;
using velmora::renderer::space::update_renderer_data;
using velmora::renderer::space::entity::RendererEntityData;
using velmora::renderer::space::entity::turn_of;
using velmora::renderer::space::entity::wrap_angle;
using namespace velmora::model::testing;

constexpr float PI = 3.1415927f;

void expect_near(Vec2F32 actual, Vec2F32 expected, const std::string& what) {
    EXPECT_NEAR(actual.x, expected.x, TOLERANCE) << what;
    EXPECT_NEAR(actual.y, expected.y, TOLERANCE) << what;
}

// A match played by hand: every step copies the last state one tick on,
// moves entities, and advances the renderer data as the history does.
struct Match {
    std::vector<Model> states;
    std::vector<RendererData> data;

    explicit Match(Model first) {
        data.push_back(create_renderer_data(first));
        states.push_back(std::move(first));
    }

    Model next() const {
        Model state = states.back();
        ++state.current_tick;
        return state;
    }

    void push(Model state, const std::vector<Event>& events = {}) {
        RendererData advanced = data.back();
        update_renderer_data(advanced, events, states.back(), state);
        states.push_back(std::move(state));
        data.push_back(std::move(advanced));
    }

    void move(usize id, kimbly::Vec2Usize to, const std::vector<Event>& events = {}) {
        Model state = next();
        state.entities.by_id.at(id).position = to;
        push(std::move(state), events);
    }

    const RendererEntityData& record(usize id, std::size_t tick) const { return data.at(tick).by_id.at(id); }
};

TEST(RendererSpaceData, WorkedExampleGlidesThroughTheMidpoints) {
    Model first = empty_model();
    const usize unit = add_entity(first, EntityType::MeleeUnit, std::nullopt, at(10, 5));
    Match match(first);
    match.move(unit, at(11, 5));
    match.move(unit, at(12, 5));

    const auto& a = match.record(unit, 1);
    const auto& b = match.record(unit, 2);
    expect_near(a.position, {10.5f, 5.0f}, "after the first move");
    expect_near(a.velocity, {1.0f, 0.0f}, "after the first move");
    EXPECT_EQ(a.rotation, 0.0f);
    expect_near(b.position, {11.5f, 5.0f}, "after the second move");
    expect_near(b.velocity, {1.0f, 0.0f}, "after the second move");

    for (float f : {0.0f, 0.25f, 0.5f, 0.75f, 1.0f}) {
        const auto moment = RendererEntityData::interpolate(a, b, match.states[2], f);
        const std::string at_f = "f = " + std::to_string(f);
        expect_near(moment.position, {11.0f + f, 5.5f}, at_f);
        EXPECT_NEAR(moment.speed, 1.0f, TOLERANCE) << at_f;
        EXPECT_EQ(moment.size, 1.0f);
        EXPECT_NEAR(moment.rotation, 0.0f, TOLERANCE) << at_f;
    }
}

TEST(RendererSpaceData, AnglesWrapTheShortWayAndTurnsClamp) {
    struct Case {
        float from, to, wrapped, turn;
    };
    const Case cases[] = {
        {3.0f, -3.0f, 0.2831853f, -0.2831853f},  // across ±π, counter-clockwise
        {-3.0f, 3.0f, -0.2831853f, 0.2831853f},
        {0.0f, 2.0f, 2.0f, -1.0f},
        {2.0f, 0.0f, -2.0f, 1.0f},
        {0.0f, 0.5f, 0.5f, -0.5f},
        {1.0f, 1.0f, 0.0f, 0.0f},
        {0.0f, PI, -PI, 1.0f},  // a half turn counts as clockwise
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.from) + " -> " + std::to_string(c.to));
        EXPECT_NEAR(wrap_angle(c.to - c.from), c.wrapped, TOLERANCE);
        EXPECT_NEAR(turn_of(c.from, c.to), c.turn, TOLERANCE);
    }
}

TEST(RendererSpaceData, UpdateOfOneRecord) {
    struct Case {
        const char* name;
        float rotation_before;
        kimbly::Vec2Usize to;
        std::optional<kimbly::Vec2Usize> target;  // attacked, where it stood before
        bool target_gone;                         // the attack names an entity gone from the previous state
        Vec2F32 position, velocity;
        float rotation, turn;
        std::optional<usize> last_attack;
    };
    const Case cases[] = {
        {"standing still keeps heading", 1.0f, at(3, 3), std::nullopt, false, {3, 3}, {0, 0}, 1.0f, 0.0f,
         std::nullopt},
        {"moving up faces up", 0.0f, at(3, 4), std::nullopt, false, {3, 3.5f}, {0, 1}, PI / 2, -1.0f,
         std::nullopt},
        {"turning back the short way is clockwise", -0.5f, at(2, 3), std::nullopt, false, {2.5f, 3}, {-1, 0}, PI,
         1.0f, std::nullopt},
        {"an attack while moving faces the target from the previous cell", 0.0f, at(4, 3), at(3, 6), false,
         {3.5f, 3}, {1, 0}, PI / 2, -1.0f, 7},
        {"an attack while standing", 0.0f, at(3, 3), at(4, 4), false, {3, 3}, {0, 0}, PI / 4, -PI / 4, 7},
        {"an attack on an entity already gone leaves the heading to the move", 0.0f, at(3, 4), at(0, 0), true,
         {3, 3.5f}, {0, 1}, PI / 2, -1.0f, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Model first = empty_model();
        first.current_tick = 6;
        const usize unit = add_entity(first, EntityType::RangedUnit, 0, at(3, 3));
        std::vector<Event> events;
        if (c.target) {
            const usize target = add_entity(first, EntityType::Wall, std::nullopt, *c.target);
            events.push_back(attack_event(unit, c.target_gone ? target + 100 : target));
        }
        Match match(first);
        match.data.back().by_id.at(unit).rotation = c.rotation_before;
        match.move(unit, c.to, events);

        const auto& record = match.record(unit, 1);
        expect_near(record.position, c.position, "position");
        expect_near(record.velocity, c.velocity, "velocity");
        EXPECT_NEAR(record.rotation, c.rotation, TOLERANCE);
        EXPECT_NEAR(record.turn, c.turn, TOLERANCE);
        EXPECT_EQ(record.last_attack, c.last_attack);
        EXPECT_EQ(record.player_id, std::optional<usize>(0));
        EXPECT_EQ(record.entity_type, EntityType::RangedUnit);
    }
}

TEST(RendererSpaceData, OfTwoAttacksByOneEntityTheLaterDecides) {
    Model first = empty_model();
    const usize unit = add_entity(first, EntityType::RangedUnit, 0, at(5, 5));
    const usize east = add_entity(first, EntityType::Wall, std::nullopt, at(8, 5));
    const usize north = add_entity(first, EntityType::Wall, std::nullopt, at(5, 8));
    Match match(first);
    match.push(match.next(), {attack_event(unit, east), attack_event(unit, north)});
    EXPECT_NEAR(match.record(unit, 1).rotation, PI / 2, TOLERANCE);
    match.push(match.next(), {attack_event(unit, north), attack_event(unit, east)});
    EXPECT_NEAR(match.record(unit, 2).rotation, 0.0f, TOLERANCE);
}

TEST(RendererSpaceData, RecordsAppearWithTheirEntityAndOutliveIt) {
    Model first = empty_model();
    const usize old_unit = add_entity(first, EntityType::BuilderUnit, 1, at(2, 2));
    Match match(first);

    Model second = match.next();
    const usize new_unit = add_entity(second, EntityType::MeleeUnit, 1, at(4, 4));
    second.entities.by_id.erase(old_unit);
    match.push(second);
    match.push(match.next());

    RendererEntityData fresh;
    fresh.id = new_unit;
    fresh.player_id = 1;
    fresh.position = {4, 4};
    fresh.entity_type = EntityType::MeleeUnit;
    EXPECT_EQ(match.record(new_unit, 1), fresh);
    for (std::size_t tick : {1, 2}) EXPECT_EQ(match.record(old_unit, tick), match.record(old_unit, 0));
}

TEST(RendererSpaceData, DeltasBetweenTicksRebuildTheData) {
    Model first = empty_model();
    const usize unit = add_entity(first, EntityType::MeleeUnit, 0, at(1, 1));
    add_entity(first, EntityType::House, 0, at(10, 10));
    Match match(first);
    match.move(unit, at(2, 1));
    Model third = match.next();
    add_entity(third, EntityType::RangedUnit, 0, at(6, 6));
    match.push(third);

    for (std::size_t tick = 1; tick < match.data.size(); ++tick) {
        const auto delta = kimbly::diff(match.data[tick - 1], match.data[tick]);
        EXPECT_EQ(delta.changed.size() + delta.added.size(), tick == 1 ? 1u : 2u) << "only what changed";
        RendererData rebuilt = match.data[tick - 1];
        kimbly::update(rebuilt, delta);
        EXPECT_EQ(rebuilt, match.data[tick]);
    }
}

TEST(RendererSpaceData, CompactSizeIs38BytesPlus8PerOptionalAnd8ForTheKey) {
    RendererEntityData record;
    EXPECT_EQ(pakko::measured_size(record), 38u);
    record.player_id = 2;
    EXPECT_EQ(pakko::measured_size(record), 46u);
    record.last_attack = 9;
    EXPECT_EQ(pakko::measured_size(record), 54u);

    RendererData data;
    data.by_id[record.id] = record;
    EXPECT_EQ(pakko::measured_size(data), 8u + 8u + 54u) << "the map's count, the key, the record";
}

TEST(RendererSpaceData, InterpolatedTurnsAttackersTurnEarly) {
    struct Case {
        const char* name;
        float from, to;
        bool attacked_in_shown_tick;
        float f, rotation;
    };
    const Case cases[] = {
        {"evenly over the tick", 0.0f, 1.0f, false, 0.5f, 0.5f},
        {"an attacker is halfway at 0.15", 0.0f, 1.0f, true, 0.15f, 0.5f},
        {"and done at 0.3", 0.0f, 1.0f, true, 0.3f, 1.0f},
        {"and stays done", 0.0f, 1.0f, true, 0.8f, 1.0f},
        {"the short way across ±π", 3.0f, -3.0f, false, 0.5f, 3.0f + 0.2831853f / 2},
    };
    Model shown = empty_model();
    shown.current_tick = 12;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RendererEntityData a;
        a.entity_type = EntityType::MeleeUnit;
        a.rotation = c.from;
        RendererEntityData b = a;
        b.rotation = c.to;
        // An attack of an earlier tick does not hurry the turn.
        b.last_attack = c.attacked_in_shown_tick ? 12 : 11;
        EXPECT_NEAR(RendererEntityData::interpolate(a, b, shown, c.f).rotation, c.rotation, TOLERANCE);
    }
}

TEST(RendererSpaceData, InterpolatedWobbleAndBank) {
    Model shown = empty_model();
    RendererEntityData a;
    a.player_id = 3;
    a.entity_type = EntityType::House;  // size 3
    a.position = {7, 8};
    a.turn = 0.2f;
    RendererEntityData b = a;
    b.turn = -0.4f;

    const auto still = RendererEntityData::interpolate(a, b, shown, 0.0f);
    EXPECT_EQ(still.owner, std::optional<usize>(3));
    EXPECT_EQ(still.size, 3.0f);
    expect_near(still.position, {8.5f, 9.5f}, "centre of the square");
    expect_near(still.sway, {0, 0}, "sin(0) sways nothing");
    EXPECT_NEAR(still.tilt, 0.2f, TOLERANCE);
    EXPECT_EQ(still.speed, 0.0f);

    shown.current_tick = 1;
    b.rotation = a.rotation = PI / 2;
    const auto moving = RendererEntityData::interpolate(a, b, shown, 0.5f);
    const float wobble = std::sin(1.5f);
    expect_near(moving.sway, {-0.03f * wobble, 0.0f}, "sideways of the heading");
    EXPECT_NEAR(moving.tilt, 0.2f - 0.3f + 0.1f * wobble, TOLERANCE);
}

TEST(RendererSpaceData, BrokenInvariantsStop) {
    Model first = empty_model();
    const usize unit = add_entity(first, EntityType::MeleeUnit, 0, at(1, 1));
    RendererData empty;
    Model second = first;
    EXPECT_EQ(test_support::panic_message([&] { update_renderer_data(empty, {}, first, second); }),
              "Renderer data has no record of entity " + std::to_string(unit));

    const RendererEntityData record = create_renderer_data(first).by_id.at(unit);
    first.entity_properties.value.erase(EntityType::MeleeUnit);
    EXPECT_EQ(test_support::panic_message([&] { RendererEntityData::interpolate(record, record, first, 0.5f); }),
              "no entry found for key");
}

}  // namespace
