#pragma once
// The screen the window opens on without a match to show: how the game
// starts, who plays, and the way into a match, a replay or a repeat.
#include <cstddef>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <fmt/format.h>
#include <kimbly/dialogs.hpp>
#include <kimbly/localization.hpp>
#include <ovra/draw.hpp>
#include <vindle/context.hpp>
#include <vindle/state.hpp>
#include <vindle/ui/button.hpp>
#include <vindle/ui/controller.hpp>
#include <vindle/ui/layout.hpp>

#include "tarnwick/app/config_screen/deep_config.hpp"
#include "tarnwick/app/config_screen/match_start.hpp"
#include "tarnwick/app/config_screen/player.hpp"
#include "tarnwick/app/config_screen/player_cell.hpp"
#include "tarnwick/app/config_screen/renderer_wrapper.hpp"
#include "tarnwick/app/config_screen/texts.hpp"
#include "tarnwick/app/game_screen/game_screen.hpp"

namespace tarnwick::app::config_screen {

// The allowed number of players, both ends included.
struct PlayerCount {
    std::size_t min;
    std::size_t max;
};

enum class ConfigButton { LoadGameState, SaveConfig, WatchReplay, Start, RepeatGame, AddPlayer, RemovePlayer };

template <Game G, class R, class RP>
class ConfigScreen final : public vindle::State {
public:
    using Preferences = game_screen::PreferencesHandle<RP>;
    using Editor = DeepConfig<OptionsPresetOf<G>>;
    using Row = player::PlayerConfigWidget<G>;
    using GameScreen = game_screen::GameScreen<G, R, RP>;

    // The engine context is the one every game screen started here gets.
    ConfigScreen(std::shared_ptr<vindle::Vindle> vindle, vindle::ui::ThemeHandle theme, std::unique_ptr<Editor> editor,
                 player::PlayerTypes<G> types, const std::vector<std::size_t>& initial, PlayerCount count,
                 std::unique_ptr<Renderer<G, R>> renderer, Preferences preferences)
        : vindle_(std::move(vindle)),
          theme_(std::move(theme)),
          preferences_(std::move(preferences)),
          editor_(std::move(editor)),
          count_(count),
          types_(std::move(types)) {
        add_translations();
        renderer_ = std::make_shared<SharedRenderer<G, R>>(std::move(renderer));
        for (std::size_t index : initial) rows_.emplace_back(std::make_unique<Row>(theme_, types_, index));
    }

    void update(double dt) override {
        auto root = ui();
        controller_.update(*root, dt);
    }
    void draw(ovra::Framebuffer& framebuffer) override {
        ovra::draw::clear(framebuffer, kimbly::ColorF32{0, 0, 0, 1}, std::nullopt);
        auto root = ui();
        controller_.draw(*root, framebuffer);
    }
    void handle_event(vindle::events::Event event) override {
        auto root = ui();
        controller_.handle_event(*root, event);
    }

    std::optional<vindle::Transition> transition() override {
        if (auto state = editor_->transition()) return vindle::transition::Push{std::move(*state)};
        if (acted_on(ConfigButton::Start)) {
            if (auto screen = start()) return vindle::transition::Push{std::move(screen)};
            return std::nullopt;
        }
        if (acted_on(ConfigButton::WatchReplay)) {
            auto path = kimbly::select_file(kimbly::localization::translate("Select file to replay"));
            if (path) {
                if (auto screen = watch(*path)) return vindle::transition::Push{std::move(screen)};
                return std::nullopt;
            }
        }
        if (acted_on(ConfigButton::RepeatGame)) {
            auto path = kimbly::select_file(kimbly::localization::translate("Select file to repeat"));
            if (path) {
                if (auto screen = repeat(*path)) return vindle::transition::Push{std::move(screen)};
            }
        }
        return std::nullopt;
    }

    // This call's widget tree, after acting on the clicks since the last call.
    vindle::ui::WidgetBox ui();

    vindle::ui::Button& button(ConfigButton which) { return buttons_[static_cast<std::size_t>(which)]; }
    std::vector<std::unique_ptr<Row>>& rows() { return rows_; }
    const std::optional<std::filesystem::path>& loaded_state() const { return loaded_state_; }
    // Why the last action was refused, until the next one.
    const std::optional<std::string>& refusal() const { return refusal_.message(); }
    Editor& editor() { return *editor_; }

private:
    using Start = MatchStart<G>;

    // Whether the button was clicked since the last call; a click is the
    // user's next action, which ends the showing of an earlier refusal.
    bool acted_on(ConfigButton which) {
        if (!button(which).clicked()) return false;
        refusal_.clear();
        return true;
    }

    GameInitConfig<OptionsPresetOf<G>> game_start() const {
        if (loaded_state_) return {game_init_config::LoadFrom{*loaded_state_}};
        return {game_init_config::Create<OptionsPresetOf<G>>{editor_->get()}};
    }

    std::vector<PlayerOptionsOf<G>> player_entries() const {
        std::vector<PlayerOptionsOf<G>> entries;
        for (const auto& row : rows_) entries.push_back(row->config().to_options());
        return entries;
    }

    processor::PlayerSlots<G> take_players() {
        processor::PlayerSlots<G> players;
        for (auto& row : rows_) players.push_back(row->config().get());
        return players;
    }

    vindle::StateBox game_screen(processor::GameProcessor<G> processor) {
        return std::make_unique<GameScreen>(vindle_, std::move(processor), wrapper(), preferences_);
    }
    std::unique_ptr<Renderer<G, R>> wrapper() { return std::make_unique<RendererWrapper<G, R>>(renderer_); }

    // Everything that can fail is checked before a player is taken from its
    // row, so that a refused start keeps every connection.
    vindle::StateBox start() {
        auto init = Start::game(game_start(), rows_.size(), refusal_);
        if (!init) return nullptr;
        return game_screen(processor::GameProcessor<G>(std::nullopt, std::move(*init), take_players()));
    }
    vindle::StateBox watch(const std::filesystem::path& path) {
        auto history = Start::template replay<R>(path, refusal_);
        if (!history) return nullptr;
        return std::make_unique<GameScreen>(vindle_, std::move(*history), std::nullopt, wrapper(), preferences_);
    }
    vindle::StateBox repeat(const std::filesystem::path& path) {
        auto log = Start::repeated_log(path, rows_.size(), refusal_);
        if (!log) return nullptr;
        return game_screen(processor::GameProcessor<G>::repeat(std::move(log), take_players()));
    }

    void save_config() {
        FullOptionsOf<G> options{std::nullopt, game_start(), player_entries()};
        Start::save_config(options, refusal_);
    }

    std::shared_ptr<vindle::Vindle> vindle_;
    vindle::ui::ThemeHandle theme_;
    Preferences preferences_;
    std::unique_ptr<Editor> editor_;
    std::optional<std::filesystem::path> loaded_state_;
    Refusal refusal_;
    std::array<vindle::ui::Button, 7> buttons_;
    static_assert(std::tuple_size_v<decltype(buttons_)> == static_cast<std::size_t>(ConfigButton::RemovePlayer) + 1,
                  "one button per ConfigButton");
    PlayerCount count_;
    std::vector<std::unique_ptr<Row>> rows_;
    player::PlayerTypes<G> types_;
    std::shared_ptr<SharedRenderer<G, R>> renderer_;
    vindle::ui::Controller controller_;
};

template <Game G, class R, class RP>
vindle::ui::WidgetBox ConfigScreen<G, R, RP>::ui() {
    namespace ui = vindle::ui;
    using kimbly::localization::translate;
    const kimbly::Vec2<double> centre{0.5, 0.5};
    const ui::Theme& theme = *theme_;
    auto text_button = [&](ConfigButton which, std::string text) {
        return ui::Button::text(ui::ref(button(which)), std::move(text), theme);
    };

    if (acted_on(ConfigButton::AddPlayer) && rows_.size() < count_.max) {
        rows_.emplace_back(std::make_unique<Row>(theme_, types_, 0));
    }
    if (acted_on(ConfigButton::RemovePlayer) && rows_.size() > count_.min) rows_.pop_back();
    if (acted_on(ConfigButton::LoadGameState)) {
        // Cancelling forgets the state chosen before.
        auto path = kimbly::select_file("Load game state");
        if (!path || readable_name(*path, refusal_)) loaded_state_ = std::move(path);
    }

    bool all_ready = true;
    for (auto& row : rows_) all_ready = row->config().ready() && all_ready;
    ui::WidgetBox start_area;
    if (all_ready) {
        start_area = ui::boxed(ui::row(
            ui::Align(centre, text_button(ConfigButton::Start, translate("START"))),
            ui::Padding(0, GAP, 0, 0, ui::Padding(0, 0, 0, GAP, ui::Align(centre, label(theme, translate("or"))))),
            ui::Align(centre, text_button(ConfigButton::RepeatGame, translate("repeat a game")))));
    } else {
        start_area = ui::boxed(label(theme, translate("Waiting for players")));
    }
    if (refusal_.message()) {
        // Below the buttons, so that the refused action can be tried again.
        start_area = ui::boxed(ui::column(
            ui::Align(centre, std::move(start_area)),
            ui::Align(centre, label(theme, *refusal_.message(), CAPTION_SIZE, FAILURE_COLOR))));
    }

    ui::WidgetList cells;
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        auto cell = ui::column(ui::Align(centre, label(theme, fmt::format("{} {}", translate("Player"), i + 1))),
                               ui::Align(centre, rows_[i]->ui()));
        cells.push_back(
            ui::boxed(ui::Align(centre, PlayerCell(std::move(cell)))));
    }
    cells.push_back(ui::boxed(ui::Align(centre, ui::column(text_button(ConfigButton::AddPlayer, translate("add player")),
                                                           text_button(ConfigButton::RemovePlayer,
                                                                       translate("remove player"))))));
    auto players_line = ui::Row(std::move(cells));

    const std::string start_label =
        loaded_state_ ? *file_name(*loaded_state_) : std::string("Create new game");
    auto options_block = ui::column(
        ui::Align(centre, ui::Padding(0, GAP, 0, 0, label(theme, translate("Game options")))),
        ui::column(ui::Align(centre, ui::row(ui::Padding(0, GAP, 0, 0, label(theme, start_label)),
                                             text_button(ConfigButton::LoadGameState, translate("Load game state")))),
                   ui::Align(centre, editor_->ui())));

    auto top_line = ui::Padding(
        0, 0, GAP, 0,
        ui::Align(centre, ui::row(ui::Padding(0, GAP, 0, 0, label(theme, translate("Create a game or"))),
                                  text_button(ConfigButton::WatchReplay, translate("watch a replay")))));

    if (acted_on(ConfigButton::SaveConfig)) save_config();
    auto save_line =
        ui::Align(centre, ui::Padding(GAP, 0, 0, 0, text_button(ConfigButton::SaveConfig, translate("save config"))));

    return ui::boxed(ui::Align(
        centre, ui::column(std::move(top_line),
                           ui::column(ui::Align(centre, std::move(players_line)), std::move(options_block),
                                      ui::Align(centre, ui::Padding(GAP, 0, 0, 0, std::move(start_area)))),
                           std::move(save_line))));
}

}  // namespace tarnwick::app::config_screen
