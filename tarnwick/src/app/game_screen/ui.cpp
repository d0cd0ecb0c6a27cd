#include "tarnwick/app/game_screen/ui.hpp"

#include <utility>

#include <kimbly/localization.hpp>
#include <vindle/ui/event_handler.hpp>
#include <vindle/ui/layout.hpp>
#include <vindle/ui/text.hpp>

#include "tarnwick/app/game_screen/ui_icons.hpp"

namespace tarnwick::app::game_screen::ui {

namespace {

namespace vui = vindle::ui;

constexpr double PADDING = 8;
constexpr float TEXT_SIZE = 16;
constexpr kimbly::ColorF32 LABEL_COLOR{1, 1, 1, 1};
constexpr double MIN_MODIFIER = -2;
constexpr double MAX_MODIFIER = 2;

template <class W>
vui::Padding padded(W&& child) {
    return vui::Padding(PADDING, PADDING, PADDING, PADDING, std::forward<W>(child));
}

// A box of at least `width` × `height` that takes `flex_x` of the spare width.
template <class W>
vui::ConstraintOverride sized(double width, double height, double flex_x, W&& child) {
    return vui::ConstraintOverride({{width, height}, {flex_x, 0}}, std::forward<W>(child));
}

vui::Align centred_text(std::string text, std::shared_ptr<const vindle::font::Font> font, kimbly::ColorF32 color) {
    return vui::Align({0.5, 0.5}, vui::Text(std::move(text), std::move(font), TEXT_SIZE, color));
}

vui::WidgetBox icon_button(vui::Button& button, const ovra::Texture2d& icon, const vui::Theme& theme,
                           std::function<void()> action) {
    return vui::boxed(padded(
        sized(32, 32, 0, vui::Button::texture(vui::on_click(vui::ref(button), std::move(action)), icon, theme))));
}

}  // namespace

PlayStopButton::PlayStopButton(const ovra::OvraHandle& context, vui::ThemeHandle theme, BoolCell paused)
    : theme_(std::move(theme)),
      paused_(std::move(paused)),
      icons_{create_texture(context, *theme_->draw_2d, Icon::Play),
             create_texture(context, *theme_->draw_2d, Icon::Pause)} {}

vui::WidgetBox PlayStopButton::ui() {
    const ovra::Texture2d& icon = *paused_ ? icons_[0] : icons_[1];
    return icon_button(button_, icon, *theme_, [paused = paused_] { *paused = !*paused; });
}

FullscreenButton::FullscreenButton(vui::ThemeHandle theme, std::shared_ptr<vindle::Vindle> vindle)
    : theme_(std::move(theme)),
      vindle_(std::move(vindle)),
      icon_(create_texture(vindle_->ovra(), *theme_->draw_2d, Icon::Fullscreen)) {}

vui::WidgetBox FullscreenButton::ui() {
    return icon_button(button_, icon_, *theme_, [vindle = vindle_] { vindle->window().toggle_fullscreen(); });
}

Timeline::Timeline(const vui::ThemeHandle& theme) : slider(theme), font(theme->font) {}

vui::WidgetBox Timeline::ui() {
    tick_label = game_screen::ui::tick_label(time);
    time_label = game_screen::ui::time_label(time, base_speed);
    return vui::boxed(vui::row(
        padded(sized(32, 32, 0, vui::column(centred_text(tick_label, font, LABEL_COLOR),
                                            centred_text(time_label, font, LABEL_COLOR)))),
        padded(sized(32, 32, 1, slider.ui(time, 0, max, [this](double value) { time = value; })))));
}

ViewSpeedControl::ViewSpeedControl(vui::ThemeHandle theme, DoubleCell modifier)
    : theme_(std::move(theme)), slider_(theme_), modifier_(std::move(modifier)) {}

vui::WidgetBox ViewSpeedControl::ui(double base_speed) {
    const double modifier = *modifier_;
    const bool active = core_.hovered() || core_.captured();
    const bool slider_held = slider_.core().hovered() || slider_.core().captured();
    text_ = speed_text(modifier, base_speed);

    vui::WidgetBox top =
        active ? vui::boxed(sized(96, 16, 0,
                                  slider_.ui(modifier, MIN_MODIFIER, MAX_MODIFIER,
                                             [cell = modifier_](double value) { *cell = value; })))
               : vui::boxed(centred_text(kimbly::localization::translate("view speed"), theme_->font,
                                         theme_->usual_color));
    auto bottom = centred_text(text_, theme_->font, slider_held ? theme_->hover_color : theme_->usual_color);
    // The bare core covers the whole control, so that hovering anywhere over
    // it shows the slider.
    return vui::boxed(
        padded(sized(96, 32, 0, vui::stack(vui::column(std::move(top), std::move(bottom)), vui::ref(core_)))));
}

UI::UI(std::shared_ptr<vindle::Vindle> vindle, BoolCell paused, DoubleCell view_speed_modifier, DoubleCell /*volume*/)
    : theme_(vui::Theme::default_of(*vindle)),
      play_stop_(vindle->ovra(), theme_, std::move(paused)),
      fullscreen_(theme_, std::move(vindle)),
      timeline_(theme_),
      view_speed_(theme_, std::move(view_speed_modifier)) {}

void UI::set_time(double time, double max, double base_speed) {
    timeline_.time = time;
    timeline_.max = max;
    timeline_.base_speed = base_speed;
}

std::optional<double> UI::timeline_change() const {
    if (timeline_.slider.core().captured()) return timeline_.time;
    return std::nullopt;
}

vui::WidgetBox UI::ui(double base_speed) {
    return vui::boxed(vui::Align({0.5, 0}, vui::row(play_stop_.ui(), timeline_.ui(), view_speed_.ui(base_speed),
                                                     fullscreen_.ui())));
}

}  // namespace tarnwick::app::game_screen::ui
