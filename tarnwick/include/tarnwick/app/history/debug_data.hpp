#pragma once
// What player programs draw for their own debugging, kept per player. Items
// gather in `pending` and become visible in `shown` on a flush; with
// auto-flush on (the default of every fresh record) each command flushes.
#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <type_traits>
#include <utility>
#include <variant>
#include <vector>

#include <pakko/measure.hpp>

#include "tarnwick/debug.hpp"

namespace tarnwick::app::history {

template <class Data>
struct PlayerDebugData {
    std::vector<Data> pending;
    std::vector<Data> shown;
    bool clear = false;
    bool flushed = false;
    bool auto_flush = true;
    // The measured sizes of the two lists.
    std::uint64_t pending_bytes = 0;
    std::uint64_t shown_bytes = 0;

    bool operator==(const PlayerDebugData&) const = default;

    void flush() {
        if (clear) {
            clear = false;
            shown.clear();
            shown_bytes = 0;
        }
        for (auto& item : pending) shown.push_back(std::move(item));
        pending.clear();
        shown_bytes += std::exchange(pending_bytes, 0);
        flushed = true;
    }

    // What the lists hold, by the measure of pakko::measured_size.
    std::uint64_t kept_bytes() const { return pending_bytes + shown_bytes; }

    void apply(debug::DebugCommand<Data> command) {
        std::visit(
            [&](auto& alternative) {
                using C = std::decay_t<decltype(alternative)>;
                if constexpr (std::is_same_v<C, debug::Add<Data>>) {
                    pending_bytes += pakko::measured_size(alternative.data);
                    pending.push_back(std::move(alternative.data));
                } else if constexpr (std::is_same_v<C, debug::Clear>) {
                    clear = true;
                    pending.clear();
                    pending_bytes = 0;
                } else if constexpr (std::is_same_v<C, debug::SetAutoFlush>) {
                    auto_flush = alternative.enable;
                } else {
                    flush();
                }
            },
            command.value);
        if (auto_flush) flush();
    }
};

// Keyed by player index.
template <class Data>
using DebugDataMap = std::map<std::size_t, PlayerDebugData<Data>>;

// Frozen once stored; shared with the viewer without the lock.
template <class Data>
using SharedDebugDataMap = std::shared_ptr<const DebugDataMap<Data>>;

}  // namespace tarnwick::app::history
