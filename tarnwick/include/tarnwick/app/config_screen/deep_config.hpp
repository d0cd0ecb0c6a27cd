#pragma once
// An editor of the configuration screen that may bring a screen of its own.
#include <optional>

#include <vindle/state.hpp>
#include <vindle/ui/widget.hpp>

namespace tarnwick::app::config_screen {

template <class T>
class DeepConfig : public vindle::ui::Config<T> {
public:
    // A screen the configuration screen puts on top, asked once per frame.
    virtual std::optional<vindle::StateBox> transition() = 0;
};

}  // namespace tarnwick::app::config_screen
