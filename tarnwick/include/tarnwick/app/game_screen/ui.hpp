#pragma once
// The game screen's control panel along the bottom edge of the window:
// play/stop, the shown tick and time over the timeline slider, the view
// speed (its caption turns into a slider under the cursor) and fullscreen.
// The state here lives as long as the screen; `UI::ui` builds the widget
// tree anew for every update, draw and event.
#include <array>
#include <memory>
#include <optional>
#include <string>

#include <ovra/texture.hpp>
#include <vindle/context.hpp>
#include <vindle/ui/button.hpp>
#include <vindle/ui/slider.hpp>
#include <vindle/ui/theme.hpp>
#include <vindle/ui/widget.hpp>

#include "tarnwick/app/game_screen/ui_texts.hpp"

namespace tarnwick::app::game_screen::ui {

// Cells the panel shares with the game screen, on the main thread only.
using BoolCell = std::shared_ptr<bool>;
using DoubleCell = std::shared_ptr<double>;

class PlayStopButton {
public:
    PlayStopButton(const ovra::OvraHandle& context, vindle::ui::ThemeHandle theme, BoolCell paused);
    // Shows the play picture while paused; a click toggles the pause.
    vindle::ui::WidgetBox ui();

private:
    vindle::ui::ThemeHandle theme_;
    vindle::ui::Button button_;
    BoolCell paused_;
    // Play, then pause.
    std::array<ovra::Texture2d, 2> icons_;
};

class FullscreenButton {
public:
    FullscreenButton(vindle::ui::ThemeHandle theme, std::shared_ptr<vindle::Vindle> vindle);
    vindle::ui::WidgetBox ui();

private:
    vindle::ui::ThemeHandle theme_;
    std::shared_ptr<vindle::Vindle> vindle_;
    vindle::ui::Button button_;
    ovra::Texture2d icon_;
};

class Timeline {
public:
    explicit Timeline(const vindle::ui::ThemeHandle& theme);
    // Rewrites the two labels.
    vindle::ui::WidgetBox ui();

    vindle::ui::Slider slider;
    std::shared_ptr<const vindle::font::Font> font;
    std::string tick_label;
    std::string time_label;
    // Ticks.
    double time = 0;
    double max = 1;
    // Ticks per second.
    double base_speed = 1;
};

class ViewSpeedControl {
public:
    ViewSpeedControl(vindle::ui::ThemeHandle theme, DoubleCell modifier);
    // Rewrites the speed text.
    vindle::ui::WidgetBox ui(double base_speed);

    // The whole control's hover and capture, apart from its slider's.
    const vindle::ui::WidgetCore& core() const { return core_; }
    const vindle::ui::Slider& slider() const { return slider_; }
    const std::string& text() const { return text_; }

private:
    vindle::ui::WidgetCore core_ = vindle::ui::WidgetCore::new_core();
    vindle::ui::ThemeHandle theme_;
    vindle::ui::Slider slider_;
    DoubleCell modifier_;
    std::string text_;
};

class UI {
public:
    // The volume is shared but no control shows it.
    UI(std::shared_ptr<vindle::Vindle> vindle, BoolCell paused, DoubleCell view_speed_modifier, DoubleCell volume);

    void set_time(double time, double max, double base_speed);
    // The time the timeline's slider was dragged to, while it is held.
    std::optional<double> timeline_change() const;
    // The panel's tree for one controller call; rewrites the labels and the
    // speed text.
    vindle::ui::WidgetBox ui(double base_speed);

    const Timeline& timeline() const { return timeline_; }
    const ViewSpeedControl& view_speed_control() const { return view_speed_; }

private:
    vindle::ui::ThemeHandle theme_;
    PlayStopButton play_stop_;
    FullscreenButton fullscreen_;
    Timeline timeline_;
    ViewSpeedControl view_speed_;
};

}  // namespace tarnwick::app::game_screen::ui
