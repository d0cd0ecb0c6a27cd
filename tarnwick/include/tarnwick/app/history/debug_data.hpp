#pragma once
// What player programs draw for their own debugging, kept per player. Items
// gather in `pending` and become visible in `shown` on a flush; with
// auto-flush on (the default of every fresh record) each command flushes.
#include <cstddef>
#include <map>
#include <memory>
#include <type_traits>
#include <utility>
#include <variant>
#include <vector>

#include "tarnwick/debug.hpp"

namespace tarnwick::app::history {

template <class Data>
struct PlayerDebugData {
    std::vector<Data> pending;
    std::vector<Data> shown;
    bool clear = false;
    bool flushed = false;
    bool auto_flush = true;

    bool operator==(const PlayerDebugData&) const = default;

    void flush() {
        if (clear) {
            clear = false;
            shown.clear();
        }
        for (auto& item : pending) shown.push_back(std::move(item));
        pending.clear();
        flushed = true;
    }

    void apply(debug::DebugCommand<Data> command) {
        std::visit(
            [&](auto& alternative) {
                using C = std::decay_t<decltype(alternative)>;
                if constexpr (std::is_same_v<C, debug::Add<Data>>) {
                    pending.push_back(std::move(alternative.data));
                } else if constexpr (std::is_same_v<C, debug::Clear>) {
                    clear = true;
                    pending.clear();
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
