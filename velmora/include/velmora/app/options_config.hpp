#pragma once
// The configuration screen's editor of how a new game is made: one of the
// contest's presets, chosen by clicking through them.
#include <cstddef>
#include <optional>

#include <tarnwick/app/config_screen/deep_config.hpp>
#include <vindle/ui/button.hpp>
#include <vindle/ui/theme.hpp>

#include "velmora/model/options.hpp"

namespace velmora::model::options::config {

class OptionsConfig final : public tarnwick::app::config_screen::DeepConfig<OptionsPreset> {
public:
    explicit OptionsConfig(vindle::ui::ThemeHandle theme) : theme_(std::move(theme)) {}

    std::optional<vindle::StateBox> transition() override { return std::nullopt; }
    OptionsPreset get() const override;
    // A click since the last call moves to the next preset, after the last back to the first.
    vindle::ui::WidgetBox ui() override;

    vindle::ui::Button& button() { return button_; }

private:
    vindle::ui::ThemeHandle theme_;
    std::size_t index_ = 0;
    vindle::ui::Button button_;
};

}  // namespace velmora::model::options::config
