#pragma once
// The live game-log writer: the initial state in full, then per tick the
// events and the state's delta from the previous tick.
#include <memory>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include <kimbly/diff.hpp>
#include <kimbly/panic.hpp>
#include <pakko/pakko.hpp>

#include "tarnwick/processor/game_processor.hpp"

namespace tarnwick {

inline constexpr std::string_view REPLAY_WRITE_FAILED = "Failed to write replay";

// Call it once with no events and the initial state before handing it to
// the processor. Every call ends with a flush: a window that is closed
// without tearing the processor down must not lose the end of the log.
template <Game G>
processor::TickHandler<G> save_replay_tick_handler(std::unique_ptr<pakko::Writer> writer) {
    struct State {
        std::unique_ptr<pakko::Writer> writer;
        std::optional<G> last;
    };
    auto state = std::make_shared<State>(State{std::move(writer), std::nullopt});
    return [state](const std::vector<EventOf<G>>* events, const G& current) {
        kimbly::expect(
            [&] {
                pakko::Writer& out = *state->writer;
                if (events) pakko::write(out, *events);
                if (state->last) {
                    pakko::write(out, kimbly::diff(*state->last, current));
                } else {
                    pakko::write(out, current);
                }
                out.flush();
            },
            REPLAY_WRITE_FAILED);
        state->last = current;
    };
}

}  // namespace tarnwick
