#pragma once
// Plays a recorded game log back: the log's states and events stand in for
// the rules, and the players' actions are ignored.
#include <memory>
#include <utility>
#include <vector>

#include <kimbly/diff.hpp>
#include <kimbly/panic.hpp>
#include <pakko/pakko.hpp>

#include "tarnwick/lib/byte_source.hpp"
#include "tarnwick/processor/strategy.hpp"

namespace tarnwick::processor::processor_strategy::repeat {

inline constexpr std::string_view READ_FAILED = "Failed to read game log";

template <Game G>
class Repeat final : public GameProcessorStrategy<G> {
public:
    explicit Repeat(std::unique_ptr<ByteSource> source)
        : reader_(std::move(source)),
          game_(kimbly::expect([&] { return pakko::read<G>(reader_); }, READ_FAILED)),
          finished_(log_exhausted()) {}

    std::vector<EventOf<G>> process_turn(ActionMap<G>&) override {
        if (finished_) kimbly::panic("assertion failed: !self.finished()");
        auto events = kimbly::expect([&] { return pakko::read<std::vector<EventOf<G>>>(reader_); }, READ_FAILED);
        auto delta = kimbly::expect([&] { return pakko::read<typename kimbly::Diff<G>::Delta>(reader_); },
                                    READ_FAILED);
        kimbly::update(game_, delta);
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
