#include "velmora/renderer/space/entity.hpp"

#include <algorithm>
#include <cmath>

#include <kimbly/num.hpp>
#include <kimbly/panic.hpp>

namespace velmora::renderer::space::entity {

namespace {

using kimbly::Vec2F32;

constexpr float PI = 3.1415927f;

Vec2F32 to_f32(kimbly::Vec2Usize cell) { return {static_cast<float>(cell.x), static_cast<float>(cell.y)}; }

float heading(Vec2F32 direction) { return kimbly::num::atan2(direction.y, direction.x); }

float size_of(const model::Model& state, model::EntityType type) {
    const auto& properties = state.entity_properties.value;
    const auto found = properties.find(type);
    if (found == properties.end()) kimbly::panic("no entry found for key");
    return static_cast<float>(found->second.size);
}

}  // namespace

float wrap_angle(float angle) {
    float wrapped = std::fmod(angle + PI, 2.0f * PI);
    if (wrapped < 0.0f) wrapped += 2.0f * PI;
    return wrapped - PI;
}

float turn_of(float old_rotation, float new_rotation) {
    const float change = wrap_angle(new_rotation - old_rotation);
    return change > 1.0f ? -1.0f : std::min(-change, 1.0f);
}

RendererEntityData RendererEntityData::create(const model::Entity& entity) {
    RendererEntityData data;
    data.id = entity.id;
    data.player_id = entity.player_id;
    data.position = to_f32(entity.position);
    data.entity_type = entity.entity_type;
    return data;
}

void RendererEntityData::update(const model::Entity& previous, const model::Entity& current,
                                const model::Entity* target, const model::Model& next) {
    const float old_rotation = rotation;
    const Vec2F32 from = to_f32(previous.position);
    if (current.position == previous.position) {
        position = from;
        velocity = {0.0f, 0.0f};
    } else {
        velocity = to_f32(current.position) - from;
        rotation = heading(velocity);
        position = from + 0.5f * velocity;
    }
    // An attacker faces its target, whatever way it moved.
    if (target != nullptr) {
        rotation = heading(to_f32(target->position) - from);
        last_attack = next.current_tick;
    }
    turn = turn_of(old_rotation, rotation);
}

InterpolatedEntity RendererEntityData::interpolate(const RendererEntityData& a, const RendererEntityData& b,
                                                   const model::Model& state, float f) {
    const Vec2F32 pa = a.position;
    const Vec2F32 va = a.velocity;
    const Vec2F32 pb = b.position;
    const Vec2F32 vb = b.velocity;
    const Vec2F32 cubic = 2.0f * (pa - pb) + va + vb;
    const Vec2F32 square = pb - va - pa - cubic;
    const Vec2F32 point = pa + f * va + (f * f) * square + (f * f * f) * cubic;
    const Vec2F32 derivative = va + (2.0f * f) * square + (3.0f * f * f) * cubic;

    InterpolatedEntity result;
    result.owner = a.player_id;
    result.size = size_of(state, a.entity_type);
    result.position = point + Vec2F32{result.size / 2.0f, result.size / 2.0f};
    result.speed = derivative.length();

    // Attackers finish turning towards their target early in the tick.
    const bool attacked = b.last_attack == state.current_tick;
    const float k = attacked ? std::min(f / 0.3f, 1.0f) : f;
    result.rotation = a.rotation + wrap_angle(b.rotation - a.rotation) * k;

    const float wobble = kimbly::num::sin(static_cast<float>(state.current_tick) + f);
    const auto [sin_rotation, cos_rotation] = kimbly::num::sin_cos(result.rotation);
    result.sway = (0.03f * wobble) * Vec2F32{-sin_rotation, cos_rotation};
    result.tilt = a.turn + (b.turn - a.turn) * f + 0.1f * wobble;
    return result;
}

}  // namespace velmora::renderer::space::entity
