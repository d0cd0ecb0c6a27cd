#pragma once
// Plays a recorded game log back: the log's states and events stand in for
// the rules, and the players' actions are ignored.
#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <kimbly/diff.hpp>
#include <kimbly/panic.hpp>
#include <pakko/pakko.hpp>

#include "tarnwick/game.hpp"
#include "tarnwick/lib/byte_source.hpp"
#include "tarnwick/processor/strategy.hpp"

namespace tarnwick::processor::processor_strategy::repeat {

inline constexpr std::string_view READ_FAILED = "Failed to read game log";

// A game log comes from outside, so every state it leads to gets the checks
// of a loaded state before anything looks at it. A game's traits may add
// `validate(const G&)` and `validate_delta(const G&, const Delta&)`, which
// throw for a state the rules must not see and for a delta that does not fit
// the state it is applied to.
template <class G>
void validate_state(const G& state) {
    if constexpr (requires { GameTraits<G>::validate(state); }) GameTraits<G>::validate(state);
}

// Throws pakko::IoError or the game's own error.
template <class G>
G read_initial_state(pakko::Reader& reader) {
    G state = pakko::read<G>(reader);
    validate_state(state);
    return state;
}

// The players a state of game `G` has, for games that count them.
template <class G>
std::optional<std::size_t> logged_player_count(const G& state) {
    if constexpr (requires { GameTraits<G>::player_count(state); }) {
        return GameTraits<G>::player_count(state);
    } else {
        return std::nullopt;
    }
}

// Applies a delta read from a game log to `state` with the checks of a loaded
// state; the state must keep its player count, which slots and colours were
// given for. Throws pakko::IoError or the game's own error, after which
// `state` is not to be used.
template <class G>
void apply_logged_delta(G& state, const typename kimbly::Diff<G>::Delta& delta) {
    if constexpr (requires { GameTraits<G>::validate_delta(state, delta); }) {
        GameTraits<G>::validate_delta(state, delta);
    }
    const auto before = logged_player_count(state);
    kimbly::update(state, delta);
    validate_state(state);
    const auto after = logged_player_count(state);
    if (before != after) {
        throw pakko::IoError(pakko::ErrorKind::InvalidData, "a tick changes the player count from " +
                                                                std::to_string(before.value_or(0)) + " to " +
                                                                std::to_string(after.value_or(0)));
    }
}

template <Game G>
class Repeat final : public GameProcessorStrategy<G> {
public:
    using Delta = typename kimbly::Diff<G>::Delta;

    explicit Repeat(std::unique_ptr<ByteSource> source)
        : reader_(std::move(source)),
          game_(kimbly::expect([&] { return read_initial_state<G>(reader_); }, READ_FAILED)),
          finished_(log_exhausted()) {}

    std::vector<EventOf<G>> process_turn(ActionMap<G>&) override {
        if (finished_) kimbly::panic("assertion failed: !self.finished()");
        auto events = kimbly::expect([&] { return pakko::read<std::vector<EventOf<G>>>(reader_); }, READ_FAILED);
        kimbly::expect([&] { apply_logged_delta(game_, pakko::read<Delta>(reader_)); }, READ_FAILED);
        finished_ = log_exhausted();
        return events;
    }

    const G& game() const override { return game_; }
    bool finished() const override { return finished_; }

private:
    // The log may end after any whole tick record; a record cut short fails
    // when it is read, never here.
    bool log_exhausted() {
        return kimbly::expect([&] { return reader_.at_end(); }, READ_FAILED);
    }

    BufferedSource reader_;
    G game_;
    bool finished_;
};

}  // namespace tarnwick::processor::processor_strategy::repeat
