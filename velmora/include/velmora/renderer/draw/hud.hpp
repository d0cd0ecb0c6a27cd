#pragma once
// Draws the band of player lines that hud::layout works out.
#include <ovra/framebuffer.hpp>
#include <vindle/context.hpp>

#include "velmora/renderer/hud.hpp"

namespace velmora::renderer::hud {

void draw(const vindle::Vindle& engine, ovra::Framebuffer& framebuffer, const Hud& hud);

}  // namespace velmora::renderer::hud
