#include "velmora/lib/full_processor.hpp"

#include <span>
#include <string>
#include <utility>
#include <vector>

#include <fmt/format.h>
#include <kimbly/panic.hpp>
#include <pakko/pakko.hpp>
#include <tarnwick/lib/config_file.hpp>
#include <tarnwick/player/simple.hpp>
#include <tarnwick/processor/repeat.hpp>

#include "velmora/model/validate.hpp"

namespace velmora {

namespace {

using Traits = tarnwick::GameTraits<Game>;

// Starts every creation before waiting for any, so TCP clients can connect in
// any order; the players keep their entries' order. A player that could not
// be created fails, with its creation's error, at its first request.
tarnwick::processor::PlayerSlots<Game> create_players(const FullOptions& options) {
    std::vector<PendingPlayer> pending;
    for (const auto& entry : options.players) pending.push_back(entry.get());
    tarnwick::processor::PlayerSlots<Game> players;
    for (auto& creation : pending) {
        auto result = creation.wait();
        if (auto* error = std::get_if<tarnwick::player::PlayerError>(&result)) {
            players.push_back(std::make_unique<tarnwick::player::ErroredPlayer<Game>>(error->what()));
        } else {
            players.push_back(std::get<PlayerBox>(std::move(result)));
        }
    }
    return players;
}

// A state has a view for each of its players only; the rules handle at most
// MAX_PLAYERS. Both must hold before a player is created.
void check_players(std::size_t configured, std::optional<std::size_t> state_players, const char* state_name) {
    if (configured > Traits::MAX_PLAYERS) {
        kimbly::panic(fmt::format("The configuration has {} players, at most {} can play", configured,
                                  Traits::MAX_PLAYERS));
    }
    if (state_players && configured > *state_players) {
        kimbly::panic(fmt::format("The configuration has {} players, but the {} has only {}", configured,
                                  state_name, *state_players));
    }
}

// Reads through to an inner source while keeping what it read, until
// `rewind`; from then on serves the kept bytes again before the rest. Lets
// the initial state of a game log be looked at before the log is repeated.
class RewindableSource final : public tarnwick::ByteSource {
public:
    explicit RewindableSource(std::unique_ptr<tarnwick::ByteSource> inner) : inner_(std::move(inner)) {}

    std::size_t read_some(std::span<std::byte> out) override {
        if (!recording_ && replay_position_ < kept_.size()) {
            const std::size_t count = std::min(out.size(), kept_.size() - replay_position_);
            std::copy_n(kept_.begin() + static_cast<std::ptrdiff_t>(replay_position_), count, out.begin());
            replay_position_ += count;
            return count;
        }
        const std::size_t count = inner_->read_some(out);
        if (recording_) kept_.insert(kept_.end(), out.begin(), out.begin() + static_cast<std::ptrdiff_t>(count));
        return count;
    }

    void rewind() {
        recording_ = false;
        replay_position_ = 0;
    }

private:
    std::unique_ptr<tarnwick::ByteSource> inner_;
    std::vector<std::byte> kept_;
    bool recording_ = true;
    std::size_t replay_position_ = 0;
};

// A non-owning view, so that the peek does not take the source away.
class BorrowedSource final : public tarnwick::ByteSource {
public:
    explicit BorrowedSource(tarnwick::ByteSource& inner) : inner_(inner) {}
    std::size_t read_some(std::span<std::byte> out) override { return inner_.read_some(out); }

private:
    tarnwick::ByteSource& inner_;
};

}  // namespace

GameProcessor new_full(const FullOptions& options) {
    auto init = tarnwick::into_game_init<Game>(options.game);
    if (auto* state = std::get_if<Game>(&init)) {
        check_players(options.players.size(), Traits::player_count(*state), "saved game state");
    } else {
        check_players(options.players.size(), std::nullopt, "");
        kimbly::expect([&] { model::validate_options(options.players.size(), std::get<model::Options>(init)); },
                       "Invalid game options");
    }
    return GameProcessor(options.seed, std::move(init), create_players(options));
}

GameProcessor repeat_full(std::unique_ptr<tarnwick::ByteSource> log, const FullOptions& options) {
    auto source = std::make_unique<RewindableSource>(std::move(log));
    {
        tarnwick::BufferedSource peek(std::make_unique<BorrowedSource>(*source));
        namespace repeat = tarnwick::processor::processor_strategy::repeat;
        const Game initial =
            kimbly::expect([&] { return repeat::read_initial_state<Game>(peek); }, repeat::READ_FAILED);
        check_players(options.players.size(), Traits::player_count(initial), "game log");
    }
    source->rewind();
    auto players = create_players(options);
    return GameProcessor::repeat(std::move(source), std::move(players));
}

}  // namespace velmora
