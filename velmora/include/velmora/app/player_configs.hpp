#pragma once
// The game's player kinds on the configuration screen, and the list of
// every kind in the order a row's kind button steps through them.
#include <memory>
#include <string>

#include <tarnwick/app/config_screen/player.hpp>
#include <vindle/context.hpp>
#include <vindle/ui/theme.hpp>

#include "velmora/game.hpp"
#include "velmora/lib/player_options.hpp"

namespace velmora {

using PlayerConfig = tarnwick::app::config_screen::player::PlayerConfig<Game>;
using PlayerTypes = tarnwick::app::config_screen::player::PlayerTypes<Game>;
using PlayerBox = tarnwick::app::config_screen::player::PlayerBox<Game>;

// Keyboard, TCP, quick start, empty.
PlayerTypes player_types(std::shared_ptr<vindle::Vindle> vindle, vindle::ui::ThemeHandle theme);

}  // namespace velmora

namespace velmora::keyboard_player {

// The person at the window plays with the mouse and keys.
class Config final : public PlayerConfig {
public:
    Config(std::shared_ptr<vindle::Vindle> vindle, vindle::ui::ThemeHandle theme)
        : vindle_(std::move(vindle)), theme_(std::move(theme)) {}

    std::string name() const override;
    vindle::ui::WidgetBox ui() override;
    bool ready() override { return true; }
    velmora::PlayerBox get() override;
    PlayerOptions to_options() const override { return {player_options::Keyboard{}}; }

private:
    std::shared_ptr<vindle::Vindle> vindle_;
    vindle::ui::ThemeHandle theme_;
};

}  // namespace velmora::keyboard_player

namespace velmora::quickstart_player::config {

class Config final : public PlayerConfig {
public:
    Config(std::shared_ptr<vindle::Vindle> vindle, vindle::ui::ThemeHandle theme)
        : vindle_(std::move(vindle)), theme_(std::move(theme)) {}

    std::string name() const override;
    vindle::ui::WidgetBox ui() override;
    bool ready() override { return true; }
    velmora::PlayerBox get() override;
    PlayerOptions to_options() const override { return {player_options::QuickStart{}}; }

private:
    std::shared_ptr<vindle::Vindle> vindle_;
    vindle::ui::ThemeHandle theme_;
};

}  // namespace velmora::quickstart_player::config
