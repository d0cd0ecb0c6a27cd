#pragma once
// The configuration screen's texts: its translation table and the grey
// labels that most of its lines are made of.
#include <string>

#include <kimbly/color.hpp>
#include <vindle/ui/layout.hpp>
#include <vindle/ui/text.hpp>
#include <vindle/ui/theme.hpp>

namespace tarnwick::app::config_screen {

inline constexpr kimbly::ColorF32 LABEL_COLOR{0.5f, 0.5f, 0.5f, 1};
// The colour of a status line that reports a failure.
inline constexpr kimbly::ColorF32 FAILURE_COLOR{1, 0, 0, 1};
inline constexpr float LABEL_SIZE = 32;
inline constexpr float CAPTION_SIZE = 16;
// Gaps between the screen's lines and blocks, in pixels.
inline constexpr double GAP = 32;

// Registers the screen's English and Russian texts.
void add_translations();

// `text` as it stands (translate it first where it is translated), in the
// theme's font.
vindle::ui::Text label(const vindle::ui::Theme& theme, std::string text, float size = LABEL_SIZE,
                       kimbly::ColorF32 color = LABEL_COLOR);

// A player kind's one-line description, translated, centred at the top of
// the space it gets.
vindle::ui::Align caption(const vindle::ui::Theme& theme, std::string_view english);

}  // namespace tarnwick::app::config_screen
