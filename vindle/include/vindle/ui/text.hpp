#pragma once
// A label: asks for its measured width by its size, and is drawn at the
// lower-left corner of its box, shrunk to fit the box's width and otherwise
// as high as the box. It is not centred by itself (wrap it in an Align).
#include <memory>
#include <optional>
#include <string>

#include <kimbly/color.hpp>

#include "vindle/font.hpp"
#include "vindle/ui/widget.hpp"

namespace vindle::ui {

// The height a text of `size`, measured `measured_width` wide at that size,
// is drawn with in a box `box_width` × `box_height`; none when both widths
// are 0, where no height fits.
std::optional<float> fitted_text_size(float box_width, float box_height, float size, float measured_width);

class Text final : public Widget {
public:
    Text(std::string text, std::shared_ptr<const font::Font> font, float size, kimbly::ColorF32 color);

    const WidgetCore& core() const override { return core_; }
    WidgetCore& core_mut() override { return core_; }
    void calc_constraints() override;
    void draw(ovra::Framebuffer& framebuffer) override;

private:
    float measured_width() const;

    WidgetCore core_ = WidgetCore::void_core();
    std::string text_;
    std::shared_ptr<const font::Font> font_;
    float size_;
    kimbly::ColorF32 color_;
};

}  // namespace vindle::ui
