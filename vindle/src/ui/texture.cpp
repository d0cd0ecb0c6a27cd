#include "vindle/ui/texture.hpp"

namespace vindle::ui {

Texture Texture::colored(std::shared_ptr<const draw_2d::Draw2D> drawer, const ovra::Texture2d& texture,
                         kimbly::ColorF32 tint) {
    return Texture(std::move(drawer), texture, tint);
}

void Texture::draw(ovra::Framebuffer& framebuffer) {
    const auto& box = core_.position;
    drawer_->textured_quad(framebuffer, {float(box.x_min), float(box.x_max), float(box.y_min), float(box.y_max)},
                           *texture_, tint_);
}

}  // namespace vindle::ui
