#pragma once
// Records that carry their own id, keyed by it. The delta lists only what was
// added, removed or is no longer equal, so a quiet tick costs almost nothing
// in a game log.
//
// An element type provides `usize record_id(const T&)` (found by ADL), a
// kimbly::Diff whose delta is a copy of the later record, and equality.
#include <map>
#include <ranges>
#include <utility>
#include <vector>

#include <kimbly/diff.hpp>
#include <kimbly/panic.hpp>
#include <pakko/describe.hpp>

#include "velmora/model/entity.hpp"

namespace velmora::model {

template <class T>
struct Collection {
    // Ordered by id: equal games give identical logs and saved states. The
    // key must equal the record's id; whoever changes the map keeps that.
    std::map<usize, T> by_id;

    // A later record with an id seen before replaces the earlier one.
    template <std::ranges::input_range R>
    static Collection from_iter(R&& records) {
        Collection collection;
        for (auto&& record : records) {
            usize id = record_id(record);
            collection.by_id.insert_or_assign(id, std::forward<decltype(record)>(record));
        }
        return collection;
    }

    const T* get(usize id) const {
        auto it = by_id.find(id);
        return it == by_id.end() ? nullptr : &it->second;
    }
    T* get(usize id) {
        auto it = by_id.find(id);
        return it == by_id.end() ? nullptr : &it->second;
    }

    auto iter() const { return std::views::values(by_id); }
    auto iter_mut() { return std::views::values(by_id); }

    bool operator==(const Collection&) const = default;
};

template <class T>
constexpr auto pakko_describe(pakko::Tag<Collection<T>>) {
    return pakko::record<Collection<T>>("Collection", pakko::no_doc(), pakko::field("by_id", &Collection<T>::by_id));
}

template <class T>
struct CollectionDelta {
    using RecordDelta = typename kimbly::Diff<T>::Delta;

    std::vector<T> added;
    std::vector<usize> removed;
    std::vector<std::pair<usize, RecordDelta>> changed;

    bool operator==(const CollectionDelta&) const = default;
};

template <class T>
constexpr auto pakko_describe(pakko::Tag<CollectionDelta<T>>) {
    using D = CollectionDelta<T>;
    return pakko::record<D>("CollectionDelta", pakko::no_doc(), pakko::field("added", &D::added),
                            pakko::field("removed", &D::removed), pakko::field("changed", &D::changed));
}

}  // namespace velmora::model

template <class T>
struct kimbly::Diff<velmora::model::Collection<T>> {
    using Value = velmora::model::Collection<T>;
    using Delta = velmora::model::CollectionDelta<T>;

    static Delta diff(const Value& earlier, const Value& later) {
        Delta delta;
        for (const auto& [id, record] : later.by_id) {
            const T* before = earlier.get(id);
            if (before == nullptr) {
                delta.added.push_back(record);
            } else if (!(*before == record)) {
                delta.changed.emplace_back(id, kimbly::Diff<T>::diff(*before, record));
            }
        }
        for (const auto& [id, record] : earlier.by_id) {
            if (later.get(id) == nullptr) delta.removed.push_back(id);
        }
        return delta;
    }

    static void update(Value& value, const Delta& delta) {
        for (auto id : delta.removed) value.by_id.erase(id);
        for (const auto& [id, record_delta] : delta.changed) {
            T* record = value.get(id);
            // A delta names only records of the state it was built from; a
            // damaged log or a mismatched state ends the thread that reads it.
            if (record == nullptr) kimbly::panic("Delta was not built correctly");
            kimbly::Diff<T>::update(*record, record_delta);
        }
        for (const auto& record : delta.added) value.by_id.insert_or_assign(record_id(record), record);
    }
};
