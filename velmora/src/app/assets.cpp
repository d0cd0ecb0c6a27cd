#include "velmora/app/assets.hpp"

#include <optional>

#include <ovra/draw.hpp>

namespace velmora {

namespace {

class Ready final : public vindle::asset::AssetFuture<Assets> {
public:
    std::optional<vindle::asset::AssetResult<Assets>> poll() override { return vindle::asset::AssetResult<Assets>(Assets{}); }
};

// Until the game's views are built: the window's background, and debug
// states that hold nothing.
class PlainRenderer final : public GameRenderer {
public:
    double default_speed() const override { return 2; }
    void update(double) override {}
    void draw(CurrentState, ovra::Framebuffer& framebuffer) override {
        ovra::draw::clear(framebuffer, kimbly::ColorF32{5 / 255.0f, 21 / 255.0f, 38 / 255.0f, 1}, 1.0f);
    }
    void handle_event(const kimbly::events::Event&) override {}
    model::DebugState debug_state(const Game&, std::size_t) const override { return {}; }
    void handle_game_event(const model::Event&) override {}
};

}  // namespace

vindle::asset::AssetFutureBox<Assets> Assets::load(vindle::asset::AssetContext&, const std::string&) {
    return std::make_unique<Ready>();
}

std::unique_ptr<GameRenderer> new_game_renderer(std::shared_ptr<vindle::Vindle>, Preferences, std::vector<std::string>,
                                                Assets) {
    return std::make_unique<PlainRenderer>();
}

}  // namespace velmora
