#pragma once
// Lookups both views make in a game state, reporting what a broken state
// lacks instead of stopping the program.
#include <optional>

#include <kimbly/color.hpp>

#include "velmora/model/model.hpp"
#include "velmora/renderer/broken_data.hpp"

namespace velmora::renderer {

// The colour of entities and bullets that no player owns.
inline constexpr kimbly::ColorF32 UNOWNED_COLOR{0.5f, 0.5f, 0.5f, 1.0f};

// The properties of `type`; null, reported as MissingType, when the table
// lacks it.
const model::EntityProperties* find_properties(const model::Model& state, model::EntityType type,
                                               BrokenDataLog& log);

// The player colour of `owner`, grey for no owner; none, reported as
// MissingOwner, when the id names no player.
std::optional<kimbly::ColorF32> owner_color(const model::Model& state, std::optional<model::usize> owner,
                                            BrokenDataLog& log);

// Halfway to white, keeping the alpha.
kimbly::ColorF32 lightened(kimbly::ColorF32 color);

// The entity's cells as floats: its corner and its side.
struct EntitySquare {
    kimbly::Vec2F32 corner;
    float size = 0.0f;

    kimbly::Vec2F32 center() const { return {corner.x + size / 2.0f, corner.y + size / 2.0f}; }
};

EntitySquare entity_square(const model::Entity& entity, const model::EntityProperties& properties);

}  // namespace velmora::renderer
