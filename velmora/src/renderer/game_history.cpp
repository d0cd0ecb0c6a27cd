#include "velmora/renderer/game_history.hpp"

template class tarnwick::app::history::History<velmora::Game, velmora::RendererData>;
