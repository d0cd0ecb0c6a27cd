#pragma once
// The band across the top of the window with one line per player: its
// label, right-aligned to the left of the middle, and its figures,
// left-aligned to the right of it, in the player's colour lightened halfway
// to white. Every player is shown, whatever the filter of the views.
#include <cstddef>
#include <string>
#include <vector>

#include <kimbly/aabb.hpp>
#include <kimbly/color.hpp>
#include <kimbly/vec2.hpp>

#include "velmora/model/model.hpp"

namespace velmora::renderer::hud {

inline constexpr float TEXT_SIZE = 16;
inline constexpr kimbly::ColorF32 BAND_COLOR{0, 0, 0, 0.8f};

struct Line {
    std::string label;
    kimbly::Vec2F32 label_position;
    std::string stats;
    kimbly::Vec2F32 stats_position;
    kimbly::ColorF32 color;
};

struct Hud {
    kimbly::AabbF32 band;
    std::vector<Line> lines;
};

// "{i + 1}. {name}:" when the names reach index i, else "Player {i + 1}:".
std::string label(std::size_t index, const std::vector<std::string>& player_names);

// "resource = …, population = used/provided (b b, m m, r r), score = …": the
// population provided counts active entities only; the builders', melee
// and ranged units' uses count whether active or not.
std::string stats(const model::Model& game, const model::Player& player);

// A player missing for an index below the player count, or an entity type
// missing from the properties table, stops the program.
Hud layout(const model::Model& game, const std::vector<std::string>& player_names,
           kimbly::Vec2Usize framebuffer_size);

}  // namespace velmora::renderer::hud
