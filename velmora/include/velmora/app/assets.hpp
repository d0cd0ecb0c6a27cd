#pragma once
// Everything the window loads before its first screen, and the game's
// renderer made from it.
#include <memory>
#include <string>
#include <vector>

#include <vindle/asset.hpp>
#include <vindle/context.hpp>

#include "velmora/app/screens.hpp"
#include "velmora/renderer/draw/assets.hpp"

namespace velmora {

struct Assets {
    renderer::Assets renderer;

    // From `folder` + "/assets"; completes on the main thread's poll.
    static vindle::asset::AssetFutureBox<Assets> load(vindle::asset::AssetContext& context, const std::string& folder);
};

std::unique_ptr<GameRenderer> new_game_renderer(std::shared_ptr<vindle::Vindle> vindle, Preferences preferences,
                                                std::vector<std::string> player_names, Assets assets);

}  // namespace velmora
