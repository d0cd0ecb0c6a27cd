#include "velmora/app/screens.hpp"

template class tarnwick::app::config_screen::ConfigScreen<velmora::Game, velmora::RendererData,
                                                          velmora::renderer::RendererPreferences>;
