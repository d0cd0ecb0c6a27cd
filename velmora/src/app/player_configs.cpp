#include "velmora/app/player_configs.hpp"

#include <kimbly/localization.hpp>
#include <tarnwick/app/config_screen/empty_player_config.hpp>
#include <tarnwick/app/config_screen/tcp_player_config.hpp>
#include <tarnwick/app/config_screen/texts.hpp>

#include "velmora/keyboard_player.hpp"
#include "velmora/quickstart_player.hpp"

namespace velmora {

PlayerTypes player_types(std::shared_ptr<vindle::Vindle> vindle, vindle::ui::ThemeHandle theme) {
    using namespace tarnwick::app::config_screen::player;
    using Maker = std::function<PlayerConfigBox<Game>()>;
    return std::make_shared<const std::vector<Maker>>(std::vector<Maker>{
        [vindle, theme] { return std::make_unique<keyboard_player::Config>(vindle, theme); },
        [theme] { return std::make_unique<tcp::TcpPlayerConfig<Game>>(theme); },
        [vindle, theme] { return std::make_unique<quickstart_player::config::Config>(vindle, theme); },
        [theme] { return std::make_unique<EmptyPlayerConfig<Game>>(theme); },
    });
}

template <const CaptionedKind& K>
std::string CaptionedConfig<K>::name() const {
    return kimbly::localization::translate(K.name);
}

template <const CaptionedKind& K>
vindle::ui::WidgetBox CaptionedConfig<K>::ui() {
    return vindle::ui::boxed(tarnwick::app::config_screen::caption(*theme_, K.caption));
}

const CaptionedKind keyboard_player::CONFIG_KIND{
    "keyboard", "Keyboard player", [] { return PlayerOptions{player_options::Keyboard{}}; },
    []() -> PlayerBox { return std::make_unique<keyboard_player::Player<Game>>(); }};

const CaptionedKind quickstart_player::config::CONFIG_KIND{
    "quickstart", "Quick start player", [] { return PlayerOptions{player_options::QuickStart{}}; },
    []() -> PlayerBox { return std::make_unique<quickstart_player::QuickStartPlayer<Game>>(); }};

template class CaptionedConfig<keyboard_player::CONFIG_KIND>;
template class CaptionedConfig<quickstart_player::config::CONFIG_KIND>;

}  // namespace velmora
