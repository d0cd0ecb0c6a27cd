#pragma once
// The viewer's tick history of this game: every state with the space view's
// motion records beside it. The library compiles it once; units that use it
// only link to that copy.
#include <tarnwick/app/history/history.hpp>

#include "velmora/game.hpp"
#include "velmora/renderer/space/renderer_data.hpp"

namespace velmora {

// What the tick history keeps beside every state for the viewer.
using RendererData = renderer::space::RendererData;
using GameHistory = tarnwick::app::history::History<Game, RendererData>;

}  // namespace velmora

extern template class tarnwick::app::history::History<velmora::Game, velmora::RendererData>;
