#pragma once
// A tinted picture over its whole box. It asks for no size of its own.
#include <memory>

#include <kimbly/color.hpp>
#include <ovra/texture.hpp>

#include "vindle/draw_2d.hpp"
#include "vindle/ui/widget.hpp"

namespace vindle::ui {

class Texture final : public Widget {
public:
    // The texture is borrowed: it must outlive the widget.
    static Texture colored(std::shared_ptr<const draw_2d::Draw2D> drawer, const ovra::Texture2d& texture,
                           kimbly::ColorF32 tint);

    const WidgetCore& core() const override { return core_; }
    WidgetCore& core_mut() override { return core_; }
    void draw(ovra::Framebuffer& framebuffer) override;

private:
    Texture(std::shared_ptr<const draw_2d::Draw2D> drawer, const ovra::Texture2d& texture, kimbly::ColorF32 tint)
        : drawer_(std::move(drawer)), texture_(&texture), tint_(tint) {}

    std::shared_ptr<const draw_2d::Draw2D> drawer_;
    WidgetCore core_ = WidgetCore::void_core();
    const ovra::Texture2d* texture_;
    kimbly::ColorF32 tint_;
};

}  // namespace vindle::ui
