#include "velmora/app/window.hpp"

#include <memory>
#include <utility>

#include <kimbly/autosave.hpp>
#include <kimbly/panic.hpp>
#include <vindle/loading_screen.hpp>

#include "velmora/app/assets.hpp"
#include "velmora/app/screens.hpp"

namespace velmora {

namespace {

// What the first screen is made from, kept until the assets are there.
struct Start {
    std::shared_ptr<vindle::Vindle> vindle;
    vindle::ui::ThemeHandle theme;
    Preferences preferences;
    std::vector<std::string> player_names;
    std::optional<GameProcessor> processor;
    std::optional<GameScreen::History> replay;
};

// A configured match first, then a replay (a configured match discards it),
// else the configuration screen.
vindle::StateBox first_screen(Start& start, vindle::asset::AssetResult<Assets> assets) {
    auto loaded = kimbly::expect([&] { return assets.take(); }, "Failed to load assets");
    auto renderer = new_game_renderer(start.vindle, start.preferences, start.player_names, std::move(loaded));
    if (start.processor) {
        start.replay.reset();
        return std::make_unique<GameScreen>(start.vindle, std::move(*start.processor), std::move(renderer),
                                            start.preferences);
    }
    if (start.replay) {
        return std::make_unique<GameScreen>(start.vindle, std::move(*start.replay), std::nullopt, std::move(renderer),
                                            start.preferences);
    }
    return new_config_screen(start.vindle, start.theme, std::move(renderer), start.preferences);
}

}  // namespace

std::optional<RunError> run_window(std::optional<GameProcessor> processor, const Opt& opt) {
    auto start = std::make_shared<Start>();
    start->vindle = vindle::Vindle::create(vindle::ContextOptions{.title = "Velmora"});
    start->theme = vindle::ui::Theme::default_of(*start->vindle);
    if (opt.replay) {
        start->replay.emplace(kimbly::expect([&] { return GameScreen::History::load(*opt.replay); }, "Failed to load replay"));
    }
    using Saved = kimbly::autosave::AutoSave<renderer::Preferences>;
    start->preferences = std::make_shared<Saved>(Saved::load(std::string(renderer::PREFERENCES_FILE)));
    start->player_names = opt.player_names;
    start->processor = std::move(processor);

    auto assets = Assets::load(*start->vindle, ".");
    auto loading = std::make_unique<vindle::LoadingScreen<Assets>>(
        std::move(assets), [start](vindle::asset::AssetResult<Assets> loaded) { return first_screen(*start, std::move(loaded)); },
        std::make_unique<vindle::EmptyLoadingScreen>());
    vindle::context::run(start->vindle, std::move(loading));
    return std::nullopt;
}

}  // namespace velmora
