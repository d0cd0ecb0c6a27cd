#pragma once
// The look shared by the widgets of one screen, held by shared ownership.
#include <memory>

#include <kimbly/color.hpp>

#include "vindle/draw_2d.hpp"
#include "vindle/font.hpp"

namespace vindle {
class Vindle;
}

namespace vindle::ui {

struct Theme {
    // The context's drawer and default font, with the default look.
    static std::shared_ptr<const Theme> default_of(const Vindle& vindle);

    // The engine's drawer and default font.
    std::shared_ptr<const draw_2d::Draw2D> draw_2d;
    std::shared_ptr<const font::Font> font;
    kimbly::ColorF32 usual_color{1, 1, 1, 1};
    kimbly::ColorF32 hover_color{0.3f, 0.3f, 1, 1};
    kimbly::ColorF32 extra_color{0.5f, 0.5f, 0.5f, 1};
    // Height in pixels of button labels.
    float text_size = 32.0f;
    // Share of its box by which a pressed button's content shrinks.
    float press_ratio = 0.25f;
};

using ThemeHandle = std::shared_ptr<const Theme>;

}  // namespace vindle::ui
