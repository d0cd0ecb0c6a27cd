#pragma once
// The schematic view's shapes: the board as a light grey square with a faint
// grid, resources as green squares shrinking as they are mined, each unit and
// building as a box in its owner's colour with its health as a solid square
// inside and an icon of its kind on top, a line for every attack and a dark
// square over every unseen cell. The drawing side hands each list to one
// draw call.
#include <optional>
#include <span>
#include <vector>

#include "velmora/model/model.hpp"
#include "velmora/renderer/broken_data.hpp"
#include "velmora/renderer/view_shapes.hpp"

namespace velmora::renderer::schematic {

inline constexpr kimbly::ColorF32 CLEAR_COLOR{0.0f, 0.0f, 0.0f, 1.0f};
inline constexpr kimbly::ColorF32 BACKGROUND_COLOR{0.8f, 0.8f, 0.8f, 1.0f};
inline constexpr kimbly::ColorF32 GRID_COLOR{0.0f, 0.0f, 0.0f, 0.1f};
inline constexpr kimbly::ColorF32 RESOURCE_COLOR{0.0f, 0.5f, 0.0f, 1.0f};
inline constexpr kimbly::ColorF32 ACTIVE_ICON_COLOR{1.0f, 1.0f, 1.0f, 1.0f};
inline constexpr kimbly::ColorF32 INACTIVE_ICON_COLOR{0.0f, 0.0f, 0.0f, 1.0f};
inline constexpr kimbly::ColorF32 ATTACKER_COLOR{1.0f, 1.0f, 1.0f, 1.0f};
inline constexpr kimbly::ColorF32 TARGET_COLOR{1.0f, 0.0f, 0.0f, 1.0f};

inline constexpr model::EntityType UNIT_TYPES[] = {model::EntityType::BuilderUnit, model::EntityType::MeleeUnit,
                                                   model::EntityType::RangedUnit};
inline constexpr model::EntityType BUILDING_TYPES[] = {model::EntityType::Wall,        model::EntityType::House,
                                                       model::EntityType::BuilderBase, model::EntityType::MeleeBase,
                                                       model::EntityType::RangedBase,  model::EntityType::Turret};

// The icon textures of the schematic assets.
enum class Icon { Builder, Melee, Ranged, House, Turret };

// The icon drawn over a type, in drawing order: the unit icons for units,
// then the buildings' (bases wear their unit's icon, walls none).
struct IconStep {
    model::EntityType type;
    Icon icon;
    // The icon's half side over the entity's side: units' icons leave a
    // margin, buildings' cover their squares.
    float scale;
};
inline constexpr IconStep UNIT_ICONS[] = {{model::EntityType::BuilderUnit, Icon::Builder, 1.0f / 2.5f},
                                          {model::EntityType::MeleeUnit, Icon::Melee, 1.0f / 2.5f},
                                          {model::EntityType::RangedUnit, Icon::Ranged, 1.0f / 2.5f}};
inline constexpr IconStep BUILDING_ICONS[] = {{model::EntityType::BuilderBase, Icon::Builder, 0.5f},
                                              {model::EntityType::MeleeBase, Icon::Melee, 0.5f},
                                              {model::EntityType::RangedBase, Icon::Ranged, 0.5f},
                                              {model::EntityType::House, Icon::House, 0.5f},
                                              {model::EntityType::Turret, Icon::Turret, 0.5f}};

// The whole board.
Square background(const model::Model& state);

// One square per resource, centred in its cell, its half side 0.5 × the
// share of health left.
std::vector<Square> resources(const model::Model& state, BrokenDataLog& log);

// Two squares per entity of the given types: its box, 0.1 inside its cells
// in the owner's colour at half opacity, then the health square, solid and
// scaled about the box's centre by the share of health left.
std::vector<Square> boxes(const model::Model& state, std::span<const model::EntityType> types, BrokenDataLog& log);

// One square per entity of the step's type, white when active and black
// (a silhouette) while it is being built.
std::vector<Square> icons(const model::Model& state, const IconStep& step, BrokenDataLog& log);

// Two line ends per attack of the tick, from the attacker's centre to the
// target's, both as they stood in the state before the tick. An attack whose
// target was already gone draws nothing.
std::vector<LinePoint> attack_lines(const model::Model& state, const model::Model* previous,
                                    std::span<const model::Event> events, BrokenDataLog& log);

}  // namespace velmora::renderer::schematic
