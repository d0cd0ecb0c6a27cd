#pragma once
// Runs one match tick by tick: views out, actions in, the strategy plays the
// turn, and the handlers see the events, the new state and finally the
// results. A player whose request fails is removed for good and commented.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <stop_token>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include <kimbly/chacha20.hpp>
#include <kimbly/logger.hpp>
#include <kimbly/panic.hpp>
#include <kimbly/rng.hpp>
#include <kimbly/thread.hpp>

#include "tarnwick/game.hpp"
#include "tarnwick/lib/byte_source.hpp"
#include "tarnwick/lib/results.hpp"
#include "tarnwick/player.hpp"
#include "tarnwick/processor/repeat.hpp"
#include "tarnwick/processor/standard.hpp"
#include "tarnwick/processor/strategy.hpp"

namespace tarnwick::processor {

inline constexpr std::string_view LOG_TARGET = "tarnwick::processor";

// Called with the tick's events (null when the owner calls it itself with
// the initial state) and the state after the tick.
template <Game G>
using TickHandler = std::function<void(const std::vector<EventOf<G>>* events, const G& state)>;

template <Game G>
using ResultsHandler = std::function<void(FullResults<ResultsOf<G>>)>;

// A new game from options, or a ready game state (a saved game).
template <Game G>
using GameInit = std::variant<OptionsOf<G>, G>;

template <Game G>
using PlayerSlots = std::vector<std::unique_ptr<player::Player<G>>>;

// Stops the program when a game state has fewer players than the match has
// slots: its views could not be built.
void check_player_count(std::size_t state_players, std::size_t slots);
void log_player_error(const player::PlayerError& error);
void log_processed(std::uint64_t tick_count);

template <Game G>
class GameProcessor {
public:
    using Strategy = processor_strategy::GameProcessorStrategy<G>;

    // Without a seed one is drawn from the calling thread's generator. The
    // match generator makes the map (for options) and then plays every turn.
    GameProcessor(std::optional<std::uint64_t> seed, GameInit<G> init, PlayerSlots<G> players)
        : GameProcessor(std::move(players)) {
        seed_ = seed ? *seed : kimbly::rng::global_rng().next_u64();
        auto rng = std::make_unique<kimbly::rng::ChaCha20Rng>(kimbly::rng::ChaCha20Rng::seed_from_u64(*seed_));
        G game = std::holds_alternative<G>(init)
                     ? std::get<G>(std::move(init))
                     : GameTraits<G>::init(*rng, players_.size(), std::get<OptionsOf<G>>(std::move(init)));
        strategy_ = std::make_unique<processor_strategy::standard::Standard<G>>(std::move(game), std::move(rng));
        check_player_count(GameTraits<G>::player_count(strategy_->game()), players_.size());
    }

    // Replays a game log; the players are still asked every tick, but their
    // actions are ignored. Has no seed.
    static GameProcessor repeat(std::unique_ptr<ByteSource> log, PlayerSlots<G> players) {
        GameProcessor processor(std::move(players));
        processor.strategy_ = std::make_unique<processor_strategy::repeat::Repeat<G>>(std::move(log));
        check_player_count(GameTraits<G>::player_count(processor.strategy_->game()), processor.players_.size());
        return processor;
    }

    GameProcessor(GameProcessor&&) noexcept = default;
    GameProcessor& operator=(GameProcessor&&) noexcept = default;

    // Plays one tick; with null handlers the players get no debug interface.
    std::vector<EventOf<G>> process_tick(player::DebugHandlersOf<G>* handlers) {
        if (strategy_->finished()) kimbly::panic("assertion failed: !self.finished()");
        // Every view comes from the state before the turn. A removed player
        // is asked nothing and gets no view.
        const G& state = strategy_->game();
        ActionMap<G> actions;
        for (std::size_t index = 0; index < players_.size(); ++index) {
            if (!players_[index]) continue;
            try {
                if (handlers) {
                    player::DebugInterfaceOf<G> debug_interface(index, *handlers, false);
                    actions.emplace(index, players_[index]->get_action_from_state(state, index, &debug_interface));
                } else {
                    actions.emplace(index, players_[index]->get_action_from_state(state, index, nullptr));
                }
            } catch (const player::PlayerError& error) {
                end_if_interrupted();
                note_failure(index, error);
            }
        }
        // Failed players go only now, so that each player's turn within a
        // tick does not depend on who failed before it.
        for (std::size_t index = 0; index < players_.size(); ++index) {
            if (!actions.contains(index)) players_[index].reset();
        }
        std::vector<EventOf<G>> events = strategy_->process_turn(actions);
        if (tick_handler_) tick_handler_(&events, strategy_->game());
        if (strategy_->finished()) report_results();
        ++tick_count_;
        log_processed(tick_count_);
        return events;
    }

    // Gives every live player a debug update with its view of `shown` (the
    // current state when null). A failure removes the player at once.
    void debug_update(const G* shown, player::DebugHandlersOf<G>& handlers) {
        const G& state = shown ? *shown : strategy_->game();
        for (std::size_t index = 0; index < players_.size(); ++index) {
            if (!players_[index]) continue;
            try {
                PlayerViewOf<G> view = GameTraits<G>::player_view(state, index);
                player::DebugInterfaceOf<G> debug_interface(index, handlers, true);
                players_[index]->debug_update(view, debug_interface);
            } catch (const player::PlayerError& error) {
                end_if_interrupted();
                players_[index].reset();
                note_failure(index, error);
            }
        }
    }

    // What ends each live player's waiting request from another thread, for
    // a driver that must be able to stop the match whatever the players'
    // programs do. Once `stop` is requested, a request that fails is taken
    // for the driver's doing: the tick or debug update in progress ends with
    // kimbly::StopRequested, unplayed, and nobody is removed or commented.
    std::vector<player::Interrupt> interrupters(std::stop_token stop) {
        stop_ = std::move(stop);
        std::vector<player::Interrupt> found;
        for (const auto& player : players_) {
            if (!player) continue;
            if (auto interrupt = player->interrupter()) found.push_back(std::move(interrupt));
        }
        return found;
    }

    Strategy& strategy() { return *strategy_; }
    const Strategy& strategy() const { return *strategy_; }
    const std::optional<std::uint64_t>& seed() const { return seed_; }
    std::uint64_t tick_count() const { return tick_count_; }
    std::size_t player_count() const { return players_.size(); }
    // False once the player in that slot has been removed.
    bool player_alive(std::size_t index) const { return players_.at(index) != nullptr; }
    const std::vector<std::optional<std::string>>& comments() const { return comments_; }

    void set_tick_handler(TickHandler<G> handler) { tick_handler_ = std::move(handler); }
    TickHandler<G>& tick_handler() { return tick_handler_; }
    // Called once, at the end of the tick that finishes the game; at once for
    // a game that is over before its first tick, which no tick will end.
    void set_results_handler(ResultsHandler<G> handler) {
        results_handler_ = std::move(handler);
        if (strategy_->finished()) report_results();
    }

private:
    explicit GameProcessor(PlayerSlots<G> players)
        : players_(std::move(players)), comments_(players_.size()) {}

    void end_if_interrupted() const {
        if (stop_.stop_requested()) throw kimbly::StopRequested{};
    }

    void note_failure(std::size_t index, const player::PlayerError& error) {
        log_player_error(error);
        comments_[index] = "Player crashed: " + std::string(error.what());
    }

    void report_results() {
        auto results = GameTraits<G>::results(strategy_->game());
        if (!results_handler_) return;
        ResultsHandler<G> handler = std::move(results_handler_);
        results_handler_ = nullptr;
        handler(full_results(std::move(results)));
    }

    FullResults<ResultsOf<G>> full_results(ResultsOf<G> results) const {
        FullResults<ResultsOf<G>> full{{}, std::move(results), seed_};
        full.players.reserve(players_.size());
        for (std::size_t index = 0; index < players_.size(); ++index) {
            full.players.push_back(PlayerResult{players_[index] == nullptr, comments_[index]});
        }
        return full;
    }

    std::optional<std::uint64_t> seed_;
    std::unique_ptr<Strategy> strategy_;
    PlayerSlots<G> players_;
    std::vector<std::optional<std::string>> comments_;
    std::uint64_t tick_count_ = 0;
    TickHandler<G> tick_handler_;
    ResultsHandler<G> results_handler_;
    std::stop_token stop_;
};

}  // namespace tarnwick::processor
