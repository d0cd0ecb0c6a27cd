#pragma once
// Plays a recorded game log back: the log's states and events stand in for
// the rules, and the players' actions are ignored.
#include <cstddef>
#include <memory>
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
template <Game G>
void validate_state(const G& state) {
    if constexpr (requires { GameTraits<G>::validate(state); }) GameTraits<G>::validate(state);
}

// Throws pakko::IoError or the game's own error.
template <Game G>
G read_initial_state(pakko::Reader& reader) {
    G state = pakko::read<G>(reader);
    validate_state(state);
    return state;
}

template <Game G>
class Repeat final : public GameProcessorStrategy<G> {
public:
    using Delta = typename kimbly::Diff<G>::Delta;

    explicit Repeat(std::unique_ptr<ByteSource> source)
        : reader_(std::move(source)),
          game_(kimbly::expect([&] { return read_initial_state<G>(reader_); }, READ_FAILED)),
          player_count_(GameTraits<G>::player_count(game_)),
          finished_(log_exhausted()) {}

    std::vector<EventOf<G>> process_turn(ActionMap<G>&) override {
        if (finished_) kimbly::panic("assertion failed: !self.finished()");
        auto events = kimbly::expect([&] { return pakko::read<std::vector<EventOf<G>>>(reader_); }, READ_FAILED);
        kimbly::expect([&] { apply(pakko::read<Delta>(reader_)); }, READ_FAILED);
        finished_ = log_exhausted();
        return events;
    }

    const G& game() const override { return game_; }
    bool finished() const override { return finished_; }

private:
    // The match's player slots were counted against the first state, so a
    // later one must keep its players.
    void apply(const Delta& delta) {
        if constexpr (requires { GameTraits<G>::validate_delta(game_, delta); }) {
            GameTraits<G>::validate_delta(game_, delta);
        }
        kimbly::update(game_, delta);
        validate_state(game_);
        const std::size_t count = GameTraits<G>::player_count(game_);
        if (count != player_count_) {
            throw pakko::IoError(pakko::ErrorKind::InvalidData,
                                 "a tick changes the player count from " + std::to_string(player_count_) + " to " +
                                     std::to_string(count));
        }
    }

    // The log may end after any whole tick record; a record cut short fails
    // when it is read, never here.
    bool log_exhausted() {
        return kimbly::expect([&] { return reader_.at_end(); }, READ_FAILED);
    }

    BufferedSource reader_;
    G game_;
    std::size_t player_count_;
    bool finished_;
};

}  // namespace tarnwick::processor::processor_strategy::repeat
