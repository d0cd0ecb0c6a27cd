#include "velmora/app/options_config.hpp"

#include <kimbly/localization.hpp>
#include <kimbly/panic.hpp>
#include <tarnwick/app/config_screen/texts.hpp>
#include <vindle/ui/layout.hpp>

namespace velmora::model::options::config {

namespace {
constexpr std::size_t PRESET_COUNT = 3;
}

OptionsPreset OptionsConfig::get() const {
    switch (index_) {
        case 0:
            return {Round1{}};
        case 1:
            return {Round2{}};
        case 2:
            return {Finals{}};
        default:
            kimbly::panic("internal error: entered unreachable code");
    }
}

vindle::ui::WidgetBox OptionsConfig::ui() {
    namespace ui = vindle::ui;
    namespace screen = tarnwick::app::config_screen;
    if (button_.clicked()) index_ = (index_ + 1) % PRESET_COUNT;
    auto caption = ui::Padding(0, screen::GAP, 0, 0, screen::label(*theme_, kimbly::localization::translate("Preset:")));
    return ui::boxed(ui::row(std::move(caption), ui::Button::text(ui::ref(button_), debug_text(get()), *theme_)));
}

}  // namespace velmora::model::options::config
