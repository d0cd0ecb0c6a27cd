#pragma once
// One entity's motion between ticks: advanced once per tick from the game
// states, interpolated once per frame along a cubic Hermite curve, so that
// units glide, turn the short way and bank although the game only knows
// whole cells.
#include <optional>

#include <kimbly/diff.hpp>
#include <kimbly/vec2.hpp>
#include <pakko/describe.hpp>

#include "velmora/model/entity.hpp"
#include "velmora/model/model.hpp"

namespace velmora::renderer::space::entity {

using model::usize;

// Where and how to draw an entity at one moment between two ticks.
struct InterpolatedEntity {
    std::optional<usize> owner;
    // The centre of the entity's square.
    kimbly::Vec2F32 position;
    // Sideways wobble, perpendicular to the heading.
    kimbly::Vec2F32 sway;
    float size = 0.0f;
    float rotation = 0.0f;
    // Bank angle.
    float tilt = 0.0f;
    // Cells per tick.
    float speed = 0.0f;
};

struct RendererEntityData {
    usize id = 0;
    std::optional<usize> player_id;
    // The game tick of the last tick in which the entity attacked.
    std::optional<usize> last_attack;
    // The corner cell while standing; after a move, the midpoint between the
    // previous and the current corner (never the centre).
    kimbly::Vec2F32 position;
    // Cells per tick of the last move.
    kimbly::Vec2F32 velocity;
    // Heading in the board plane, 0 along +x, counter-clockwise.
    float rotation = 0.0f;
    // Minus the last heading change, clamped to [-1, 1]: positive for a
    // clockwise turn.
    float turn = 0.0f;
    model::EntityType entity_type = model::EntityType::Wall;

    bool operator==(const RendererEntityData&) const = default;

    // The record of an entity first seen: at rest, heading along +x.
    static RendererEntityData create(const model::Entity& entity);

    // Advances the record by one tick: `previous` and `current` are the
    // entity in the two states, `target` what it attacked in the tick, as it
    // stood in the previous state.
    void update(const model::Entity& previous, const model::Entity& current, const model::Entity* target,
                const model::Model& next);

    // The motion at fraction f in [0, 1] from `a` (the previous tick) to `b`
    // (the shown tick, whose state is `state`). Stops the program when the
    // state has no properties for the entity's type.
    static InterpolatedEntity interpolate(const RendererEntityData& a, const RendererEntityData& b,
                                          const model::Model& state, float f);
};

constexpr auto pakko_describe(pakko::Tag<RendererEntityData>) {
    using R = RendererEntityData;
    using pakko::field;
    return pakko::record<R>("RendererEntityData", pakko::no_doc(), field("id", &R::id),
                            field("player_id", &R::player_id), field("last_attack", &R::last_attack),
                            field("position", &R::position), field("velocity", &R::velocity),
                            field("rotation", &R::rotation), field("turn", &R::turn),
                            field("entity_type", &R::entity_type));
}

constexpr kimbly::DeltaKind kimbly_delta(pakko::Tag<RendererEntityData>) { return kimbly::DeltaKind::FullCopy; }
constexpr usize record_id(const RendererEntityData& data) { return data.id; }

// The angle taken the short way round, in [-π, π).
float wrap_angle(float angle);

// The bank of a heading change: minus the change the short way, clamped to
// [-1, 1].
float turn_of(float old_rotation, float new_rotation);

}  // namespace velmora::renderer::space::entity
