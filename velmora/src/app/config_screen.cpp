#include "velmora/app/screens.hpp"
#include "velmora/lib/player_options.hpp"

template class tarnwick::app::config_screen::ConfigScreen<velmora::Game, velmora::RendererData,
                                                          velmora::renderer::RendererPreferences>;
