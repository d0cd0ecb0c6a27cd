#include "velmora/renderer/draw/hud.hpp"

namespace velmora::renderer::hud {

void draw(const vindle::Vindle& engine, ovra::Framebuffer& framebuffer, const Hud& hud) {
    engine.draw_2d()->quad(framebuffer, hud.band, BAND_COLOR);
    const auto& font = *engine.default_font();
    for (const Line& line : hud.lines) {
        font.draw_aligned(framebuffer, line.label, line.label_position, 1, TEXT_SIZE, line.color);
        font.draw_aligned(framebuffer, line.stats, line.stats_position, 0, TEXT_SIZE, line.color);
    }
}

}  // namespace velmora::renderer::hud
