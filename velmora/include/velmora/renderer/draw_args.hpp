#pragma once
// What the game renderer hands the view it draws and the players' debug
// drawing, once per frame.
#include <cstddef>
#include <optional>

#include <tarnwick/app/history/history.hpp>

#include "velmora/camera.hpp"
#include "velmora/game.hpp"
#include "velmora/model/debug.hpp"
#include "velmora/model/model.hpp"
#include "velmora/renderer/space/renderer_data.hpp"

namespace ovra {
class Framebuffer;
}  // namespace ovra

namespace velmora::renderer {

using CurrentState =
    tarnwick::app::history::CurrentState<model::Model, space::RendererData, model::DebugData, model::Event>;

struct DrawArgs {
    // The one player whose sight the views show; none shows every player's.
    std::optional<std::size_t> player_filter;
    ovra::Framebuffer& framebuffer;
    camera::Camera camera;
    const CurrentState& state;
};

}  // namespace velmora::renderer
