#pragma once
// The screen that shows a match: a live one played by the background
// processor as far as playback needs it, or a game log read on its own
// thread. It moves the playback time, hands the shown tick to the renderer,
// builds the players' debug states, and holds the playback controls.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include <kimbly/autosave.hpp>
#include <kimbly/dialogs.hpp>
#include <kimbly/localization.hpp>
#include <kimbly/logger.hpp>
#include <kimbly/poison_mutex.hpp>
#include <vindle/context.hpp>
#include <vindle/state.hpp>
#include <vindle/ui/controller.hpp>

#include "tarnwick/app/game_screen/controls.hpp"
#include "tarnwick/app/game_screen/keys.hpp"
#include "tarnwick/app/game_screen/playback.hpp"
#include "tarnwick/app/game_screen/preferences.hpp"
#include "tarnwick/app/game_screen/saving.hpp"
#include "tarnwick/app/history/history.hpp"
#include "tarnwick/processor/background.hpp"
#include "tarnwick/processor/game_processor.hpp"
#include "tarnwick/renderer.hpp"

namespace tarnwick::app::game_screen {

template <Game G, class R, class RP>
class GameScreen final : public vindle::State {
public:
    using History = history::History<G, R>;
    using Processor = processor::GameProcessor<G>;
    using RendererBox = std::unique_ptr<Renderer<G, R>>;
    using DebugStates = std::vector<DebugStateOf<G>>;

    // A live match, shown from the processor's present state on.
    GameScreen(std::shared_ptr<vindle::Vindle> vindle, Processor processor, RendererBox renderer,
               PreferencesHandle<RP> preferences)
        : vindle_(std::move(vindle)),
          renderer_(std::move(renderer)),
          history_(G(processor.strategy().game())),
          preferences_(std::move(preferences)) {
        start(std::move(processor));
    }

    // A replay without a processor, or a live match.
    GameScreen(std::shared_ptr<vindle::Vindle> vindle, History history, std::optional<Processor> processor,
               RendererBox renderer, PreferencesHandle<RP> preferences)
        : vindle_(std::move(vindle)),
          renderer_(std::move(renderer)),
          history_(std::move(history)),
          preferences_(std::move(preferences)) {
        start(std::move(processor));
    }

    GameScreen(const GameScreen&) = delete;
    GameScreen& operator=(const GameScreen&) = delete;

    // The match thread is stopped and joined here; how it ended can only be logged.
    ~GameScreen() override {
        if (processor_ && processor_->stop()) {
            kimbly::logger::error(LOG_TARGET, "{}", processor::background::STOP_FAILED);
        }
    }

    void update(double dt) override {
        store_preferences();
        const std::size_t stored = history_.stored_states();
        time_ = playback::clamp_time(time_, stored);
        bool advanced = false;
        if (auto dragged = controls_->timeline_change()) {
            time_ = *dragged;
        } else if (!*paused_) {
            time_ += playback::view_speed(*view_speed_, base_speed()) * dt;
            advanced = true;
        }
        if (processor_) processor_->proceed(history_.shown_game(), playback::tick_budget(time_, stored));
        const double max = playback::timeline_max(stored);
        controls_->set_time(playback::timeline_time(time_, max), max, base_speed());
        {
            auto root = controls_->ui(base_speed());
            controller_.update(*root, dt);
        }
        for (const auto& event : history_.go_to(time_, advanced)) renderer_->handle_game_event(event);
        if (processor_) {
            DebugStates states = build_debug_states();
            std::swap(*debug_states_->lock(), states);
        }
        renderer_->update(dt);
    }

    void draw(ovra::Framebuffer& framebuffer) override {
        renderer_->draw(history_.current_state(), framebuffer);
        auto root = controls_->ui(base_speed());
        controller_.draw(*root, framebuffer);
    }

    void handle_event(vindle::events::Event event) override {
        {
            auto root = controls_->ui(base_speed());
            if (controller_.handle_event(*root, event)) return;
        }
        const auto* key = std::get_if<vindle::events::KeyDown>(&event);
        if (!key) {
            renderer_->handle_event(event);
            return;
        }
        switch (route_key(key->key, vindle_->window().is_key_pressed(vindle::events::Key::LCtrl), *paused_)) {
            case KeyAction::SaveGameState:
                save_game_state(history_.current_state().game);
                break;
            case KeyAction::SaveGameLog:
                save_game_log(history_);
                break;
            case KeyAction::ToggleFullscreen:
                vindle_->window().toggle_fullscreen();
                break;
            case KeyAction::TogglePause:
                *paused_ = !*paused_;
                break;
            case KeyAction::Leave:
                leave_ = true;
                break;
            case KeyAction::StepBack:
                time_ = playback::step_back(time_);
                break;
            case KeyAction::StepForward:
                time_ += 1;
                break;
            case KeyAction::ToRenderer:
                renderer_->handle_event(event);
                break;
        }
    }

    std::optional<vindle::Transition> transition() override {
        if (leave_) return vindle::transition::Pop{};
        return std::nullopt;
    }

    double time() const { return time_; }
    // Whether the match thread, if any, has played what the last frame asked.
    bool match_idle() const { return !processor_ || processor_->idle(); }
    bool paused() const { return *paused_; }
    const History& history() const { return history_; }

private:
    void start(std::optional<Processor> processor) {
        add_translations();
        paused_ = std::make_shared<bool>(false);
        view_speed_ = std::make_shared<double>(preferences_->read().view_speed_modifier);
        volume_ = std::make_shared<double>(preferences_->read().volume);
        player_count_ = processor ? processor->player_count() : 0;
        debug_states_ = std::make_shared<kimbly::PoisonMutex<DebugStates>>(build_debug_states());
        if (processor) processor_.emplace(std::move(*processor), history_.tick_handler(), debug_handlers());
        controls_ = make_controls(vindle_, paused_, view_speed_, volume_);
    }

    double base_speed() const { return renderer_->default_speed(); }

    // Every player's debug state for the shown tick; built without the lock.
    DebugStates build_debug_states() const {
        DebugStates states;
        if (player_count_ == 0) return states;
        const auto state = history_.current_state();
        for (std::size_t i = 0; i < player_count_; ++i) states.push_back(renderer_->debug_state(state.game, i));
        return states;
    }

    player::DebugHandlersOf<G> debug_handlers() const {
        return {history_.debug_command_handler(), [states = debug_states_](std::size_t player_index) {
                    auto list = states->lock();
                    if (player_index >= list->size()) kimbly::panic("No debug state for this player");
                    return (*list)[player_index];
                }};
    }

    // A float that differs, NaN included, is written back, which marks the
    // preferences changed and has them saved.
    void store_preferences() {
        const auto& stored = preferences_->read();
        if (!same(*view_speed_, stored.view_speed_modifier)) {
            preferences_->write().view_speed_modifier = *view_speed_;
        }
        if (!same(*volume_, preferences_->read().volume)) preferences_->write().volume = *volume_;
    }
    static bool same(double a, double b) { return a == b; }

    std::shared_ptr<vindle::Vindle> vindle_;
    RendererBox renderer_;
    History history_;
    PreferencesHandle<RP> preferences_;
    std::size_t player_count_ = 0;
    std::shared_ptr<kimbly::PoisonMutex<DebugStates>> debug_states_;
    std::shared_ptr<bool> paused_;
    std::shared_ptr<double> view_speed_;
    std::shared_ptr<double> volume_;
    std::unique_ptr<Controls> controls_;
    vindle::ui::Controller controller_;
    double time_ = 0;
    bool leave_ = false;
    // Last: its thread pushes into the history and reads the debug states.
    std::optional<processor::background::BackgroundGameProcessor<G>> processor_;
};

}  // namespace tarnwick::app::game_screen
