#pragma once
// A button: long-lived state that survives between frames, shown for one
// controller call by a tree built from it. The tree's leaf (the button by
// reference, or an event handler around that reference) takes the hover,
// press and click flags for the whole button; its content is drawn over it,
// in the hover colour while hovered and shrunk while pressed.
#include <string>

#include <ovra/texture.hpp>

#include "vindle/ui/layout.hpp"
#include "vindle/ui/text.hpp"
#include "vindle/ui/texture.hpp"
#include "vindle/ui/theme.hpp"
#include "vindle/ui/widget.hpp"

namespace vindle::ui {

class Button final : public Widget {
public:
    Button() = default;
    Button(const Button&) = delete;
    Button& operator=(const Button&) = delete;

    // Whether a click arrived since the last call; clears the flag.
    bool clicked() { return std::exchange(clicked_, false); }
    const Button& leaf() const { return *this; }

    const WidgetCore& core() const override { return core_; }
    WidgetCore& core_mut() override { return core_; }
    void handle_event(const Event& event) override {
        if (std::holds_alternative<Click>(event)) clicked_ = true;
    }

    // A label of the theme's text size.
    template <Container Leaf>
    static Stack text(Leaf leaf, std::string text, const Theme& theme) {
        const WidgetCore& flags = leaf.leaf().core();
        Text label(std::move(text), theme.font, theme.text_size, color(flags, theme));
        return tree(std::move(leaf), flags, theme, std::move(label));
    }
    // A picture tinted like a label; it asks for no size, so screens give the
    // button one.
    template <Container Leaf>
    static Stack texture(Leaf leaf, const ovra::Texture2d& texture, const Theme& theme) {
        const WidgetCore& flags = leaf.leaf().core();
        return tree(std::move(leaf), flags, theme, Texture::colored(theme.draw_2d, texture, color(flags, theme)));
    }

private:
    static kimbly::ColorF32 color(const WidgetCore& flags, const Theme& theme) {
        return flags.hovered() ? theme.hover_color : theme.usual_color;
    }
    template <class Leaf, class Content>
    static Stack tree(Leaf leaf, const WidgetCore& flags, const Theme& theme, Content content) {
        double ratio = flags.captured() ? theme.press_ratio : 0.0;
        return stack(std::move(leaf), Shrink(ratio, std::move(content)));
    }

    WidgetCore core_ = WidgetCore::new_core();
    bool clicked_ = false;
};

}  // namespace vindle::ui
