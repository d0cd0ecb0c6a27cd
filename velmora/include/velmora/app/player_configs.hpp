#pragma once
// The game's player kinds on the configuration screen, and the list of
// every kind in the order a row's kind button steps through them.
#include <memory>
#include <string>
#include <string_view>

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

namespace velmora {

// A player kind whose row shows only its caption, ready at once.
struct CaptionedKind {
    std::string_view name;  // the English of its translated name
    std::string_view caption;
    PlayerOptions (*options)();  // what the row is saved as
    velmora::PlayerBox (*make)();
};

template <const CaptionedKind& K>
class CaptionedConfig final : public PlayerConfig {
public:
    CaptionedConfig(std::shared_ptr<vindle::Vindle> vindle, vindle::ui::ThemeHandle theme)
        : vindle_(std::move(vindle)), theme_(std::move(theme)) {}

    std::string name() const override;
    vindle::ui::WidgetBox ui() override;
    bool ready() override { return true; }
    velmora::PlayerBox get() override { return K.make(); }
    PlayerOptions to_options() const override { return K.options(); }

private:
    std::shared_ptr<vindle::Vindle> vindle_;
    vindle::ui::ThemeHandle theme_;
};

}  // namespace velmora

namespace velmora::keyboard_player {

// The person at the window plays with the mouse and keys.
extern const CaptionedKind CONFIG_KIND;
using Config = CaptionedConfig<CONFIG_KIND>;

}  // namespace velmora::keyboard_player

namespace velmora::quickstart_player::config {

extern const CaptionedKind CONFIG_KIND;
using Config = CaptionedConfig<CONFIG_KIND>;

}  // namespace velmora::quickstart_player::config
