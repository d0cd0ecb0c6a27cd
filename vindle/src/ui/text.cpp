#include "vindle/ui/text.hpp"

#include <cmath>

namespace vindle::ui {

std::optional<float> fitted_text_size(float box_width, float box_height, float size, float measured_width) {
    float fitted = box_width * size / measured_width;
    // 0 / 0: nothing says how large the text should be.
    if (std::isnan(fitted)) return std::nullopt;
    return box_height < fitted ? box_height : fitted;
}

Text::Text(std::string text, std::shared_ptr<const font::Font> font, float size, kimbly::ColorF32 color)
    : text_(std::move(text)), font_(std::move(font)), size_(size), color_(color) {}

float Text::measured_width() const { return font_->measure(text_, size_).width(); }

void Text::calc_constraints() { core_.constraints = {{double(measured_width()), double(size_)}, {0, 0}}; }

void Text::draw(ovra::Framebuffer& framebuffer) {
    if (text_.empty()) return;
    const auto& box = core_.position;
    auto size = fitted_text_size(float(box.width()), float(box.height()), size_, measured_width());
    if (!size) return;
    font_->draw(framebuffer, text_, {float(box.x_min), float(box.y_min)}, *size, color_);
}

}  // namespace vindle::ui
