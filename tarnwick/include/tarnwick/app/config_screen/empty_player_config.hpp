#pragma once
// The seat that plays nothing.
#include <memory>
#include <string>

#include <kimbly/localization.hpp>
#include <vindle/ui/theme.hpp>

#include "tarnwick/app/config_screen/player.hpp"
#include "tarnwick/app/config_screen/texts.hpp"
#include "tarnwick/player/simple.hpp"

namespace tarnwick::app::config_screen::player {

template <Game G>
    requires PlayerOptionsFrom<PlayerOptionsOf<G>, tarnwick::player::EmptyPlayerOptions>
class EmptyPlayerConfig final : public PlayerConfig<G> {
public:
    explicit EmptyPlayerConfig(vindle::ui::ThemeHandle theme) : theme_(std::move(theme)) {}

    std::string name() const override { return kimbly::localization::translate("empty"); }
    vindle::ui::WidgetBox ui() override { return vindle::ui::boxed(caption(*theme_, "Does nothing")); }
    bool ready() override { return true; }
    PlayerBox<G> get() override { return std::make_unique<tarnwick::player::EmptyPlayer<G>>(); }
    PlayerOptionsOf<G> to_options() const override {
        return PlayerOptionsOf<G>::from(tarnwick::player::EmptyPlayerOptions{});
    }

private:
    vindle::ui::ThemeHandle theme_;
};

}  // namespace tarnwick::app::config_screen::player
