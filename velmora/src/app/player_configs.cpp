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

template <class Kind>
std::string CaptionedConfig<Kind>::name() const {
    return kimbly::localization::translate(Kind::NAME);
}

template <class Kind>
vindle::ui::WidgetBox CaptionedConfig<Kind>::ui() {
    return vindle::ui::boxed(tarnwick::app::config_screen::caption(*theme_, Kind::CAPTION));
}

template class CaptionedConfig<keyboard_player::ConfigKind>;
template class CaptionedConfig<quickstart_player::config::ConfigKind>;

velmora::PlayerBox keyboard_player::ConfigKind::make() { return std::make_unique<Player<Game>>(); }

velmora::PlayerBox quickstart_player::config::ConfigKind::make() {
    return std::make_unique<QuickStartPlayer<Game>>();
}

}  // namespace velmora
