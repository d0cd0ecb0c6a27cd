#include "velmora/app/screens.hpp"

#include "velmora/app/options_config.hpp"
#include "velmora/app/player_configs.hpp"

namespace velmora {

std::unique_ptr<ConfigScreen> new_config_screen(std::shared_ptr<vindle::Vindle> vindle, vindle::ui::ThemeHandle theme,
                                                std::unique_ptr<GameRenderer> renderer, Preferences preferences) {
    auto editor = std::make_unique<model::options::config::OptionsConfig>(theme);
    auto types = player_types(vindle, theme);
    return std::make_unique<ConfigScreen>(std::move(vindle), std::move(theme), std::move(editor), std::move(types),
                                          std::vector<std::size_t>{0, 1}, tarnwick::app::config_screen::PlayerCount{2, 4},
                                          std::move(renderer), std::move(preferences));
}

}  // namespace velmora
