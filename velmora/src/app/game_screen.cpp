#include "velmora/app/screens.hpp"

template class tarnwick::app::game_screen::GameScreen<velmora::Game, velmora::RendererData,
                                                      velmora::renderer::RendererPreferences>;
