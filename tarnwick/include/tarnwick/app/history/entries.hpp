#pragma once
// A list of values kept tick by tick, each either whole or as the delta from
// the one before. A whole value is stored as soon as it costs less than the
// deltas stored since the previous whole one, which bounds both the memory
// and the work of rebuilding any tick.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <utility>
#include <variant>
#include <vector>

#include <kimbly/diff.hpp>
#include <kimbly/panic.hpp>
#include <pakko/measure.hpp>

namespace tarnwick::app::history {

template <class T>
struct FullEntry {
    T value;
};

template <class T>
struct DeltaEntry {
    typename kimbly::Diff<T>::Delta delta;
};

template <class T>
using HistoryEntry = std::variant<FullEntry<T>, DeltaEntry<T>>;

template <kimbly::Diffable T>
class HistoryEntries {
public:
    explicit HistoryEntries(T first) : last_(std::move(first)) { entries_.push_back(FullEntry<T>{last_}); }

    // Appends the step from the last value to `next`.
    void push(T next) {
        auto delta = kimbly::diff(last_, next);
        size_total_ += pakko::measured_size(delta);
        if (pakko::measured_size(next) < size_total_) {
            entries_.push_back(FullEntry<T>{next});
            size_total_ = 0;
        } else {
            entries_.push_back(DeltaEntry<T>{std::move(delta)});
        }
        last_ = std::move(next);
    }

    const std::vector<HistoryEntry<T>>& entries() const { return entries_; }
    std::size_t size() const { return entries_.size(); }
    const T& last() const { return last_; }
    // Measured size of the deltas stored since the last whole value.
    std::uint64_t size_total() const { return size_total_; }

private:
    std::vector<HistoryEntry<T>> entries_;
    T last_;
    std::uint64_t size_total_ = 0;
};

// Brings `value` from one entry to the next: a delta is applied, a whole
// value replaces it.
template <kimbly::Diffable T>
void apply_entry(T& value, const HistoryEntry<T>& entry) {
    if (const auto* full = std::get_if<FullEntry<T>>(&entry)) {
        value = full->value;
    } else {
        kimbly::update(value, std::get<DeltaEntry<T>>(entry).delta);
    }
}

// A value rebuilt from an entry list, remembering which entry it equals, so
// that moving forward by one tick applies one entry. The value is shared
// frozen: whoever holds it (a frame, the match thread) keeps it unchanged
// while the snapshot moves on to a value of its own.
template <kimbly::Diffable T>
struct HistorySnapshot {
    std::shared_ptr<const T> value;
    std::size_t index = 0;

    HistorySnapshot(T first, std::size_t first_index)
        : value(std::make_shared<const T>(std::move(first))), index(first_index) {}

    void go_to(std::size_t target, const std::vector<HistoryEntry<T>>& entries) {
        if (target >= entries.size()) kimbly::panic("History snapshot moved beyond the stored entries");
        std::size_t full = target + 1;
        while (full > 0 && !std::holds_alternative<FullEntry<T>>(entries[full - 1])) --full;
        if (full == 0) kimbly::panic("Didn't find full entry in history");
        --full;
        if (target == index) return;
        std::shared_ptr<T> next;
        if (target < index || index < full) {
            next = std::make_shared<T>(std::get<FullEntry<T>>(entries[full]).value);
            index = full;
        } else {
            next = std::make_shared<T>(*value);
        }
        for (std::size_t step = index + 1; step <= target; ++step) apply_entry(*next, entries[step]);
        value = std::move(next);
        index = target;
    }
};

}  // namespace tarnwick::app::history
