#include "velmora/app/assets.hpp"

#include <optional>

#include "velmora/renderer/draw/renderer.hpp"

namespace velmora {

namespace {

// The renderer's assets, as the application's record.
class Loading final : public vindle::asset::AssetFuture<Assets> {
public:
    explicit Loading(vindle::asset::AssetFutureBox<renderer::Assets> renderer) : renderer_(std::move(renderer)) {}

    std::optional<vindle::asset::AssetResult<Assets>> poll() override {
        auto loaded = renderer_->poll();
        if (!loaded) return std::nullopt;
        if (!loaded->ok()) return vindle::asset::AssetResult<Assets>(loaded->error());
        return vindle::asset::AssetResult<Assets>(Assets{std::move(loaded->value())});
    }

private:
    vindle::asset::AssetFutureBox<renderer::Assets> renderer_;
};

}  // namespace

vindle::asset::AssetFutureBox<Assets> Assets::load(vindle::asset::AssetContext& context, const std::string& folder) {
    return std::make_unique<Loading>(vindle::asset::LoadAsset<renderer::Assets>::load(context, folder + "/assets"));
}

std::unique_ptr<GameRenderer> new_game_renderer(std::shared_ptr<vindle::Vindle> vindle, Preferences preferences,
                                                std::vector<std::string> player_names, Assets assets) {
    return std::make_unique<renderer::Renderer>(std::move(vindle), std::move(preferences), std::move(player_names),
                                                std::move(assets.renderer));
}

}  // namespace velmora
