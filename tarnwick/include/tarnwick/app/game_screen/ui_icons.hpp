#pragma once
// The panel's button pictures, drawn once into textures when the panel is
// built: white shapes on a transparent 32 × 32 square, tinted by the buttons.
#include <ovra/context.hpp>
#include <ovra/texture.hpp>
#include <vindle/draw_2d.hpp>

namespace tarnwick::app::game_screen::ui {

enum class Icon { Play, Pause, Fullscreen };

inline constexpr kimbly::Vec2Usize ICON_SIZE{32, 32};

ovra::Texture2d create_texture(ovra::OvraHandle context, const vindle::draw_2d::Draw2D& drawer, Icon icon);

}  // namespace tarnwick::app::game_screen::ui
