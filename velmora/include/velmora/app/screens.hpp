#pragma once
// The framework's screens over this game, and the configuration screen as
// the window opens it.
#include <memory>

#include <tarnwick/app/config_screen/config_screen.hpp>
#include <tarnwick/app/game_screen/game_screen.hpp>
#include <tarnwick/renderer.hpp>
#include <vindle/context.hpp>
#include <vindle/ui/theme.hpp>

#include "velmora/renderer/game_history.hpp"
#include "velmora/renderer/preferences.hpp"

namespace velmora {

using GameRenderer = tarnwick::Renderer<Game, RendererData>;
using Preferences = std::shared_ptr<kimbly::autosave::AutoSave<renderer::Preferences>>;
using GameScreen = tarnwick::app::game_screen::GameScreen<Game, RendererData, renderer::RendererPreferences>;
using ConfigScreen = tarnwick::app::config_screen::ConfigScreen<Game, RendererData, renderer::RendererPreferences>;

// The preset editor at its first preset; a keyboard and a TCP player; two
// to four players.
std::unique_ptr<ConfigScreen> new_config_screen(std::shared_ptr<vindle::Vindle> vindle, vindle::ui::ThemeHandle theme,
                                                std::unique_ptr<GameRenderer> renderer, Preferences preferences);

}  // namespace velmora

// Each screen is compiled once, by game_screen.cpp and config_screen.cpp;
// every other unit only links to it.
extern template class tarnwick::app::game_screen::GameScreen<velmora::Game, velmora::RendererData,
                                                             velmora::renderer::RendererPreferences>;
extern template class tarnwick::app::config_screen::ConfigScreen<velmora::Game, velmora::RendererData,
                                                                 velmora::renderer::RendererPreferences>;
