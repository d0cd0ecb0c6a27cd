#pragma once
// Records that carry their own id, keyed by it. The delta lists only what was
// added, removed or is no longer equal, so a quiet tick costs almost nothing
// in a game log.
//
// An element type provides `usize record_id(const T&)` (found by ADL), a
// kimbly::Diff whose delta is a copy of the later record, and equality.
#include <algorithm>
#include <functional>
#include <iterator>
#include <ranges>
#include <utility>
#include <vector>

#include <kimbly/diff.hpp>
#include <kimbly/flat_map.hpp>
#include <kimbly/panic.hpp>
#include <pakko/describe.hpp>

#include "velmora/model/entity.hpp"

namespace velmora::model {

template <class T>
struct Collection {
    using Map = kimbly::FlatMap<usize, T>;

    // Ordered by id: equal games give identical logs and saved states. The
    // key must equal the record's id; whoever changes the map keeps that.
    // Records sit in one sorted vector, so a pointer to one lasts only until
    // the next insertion or removal.
    Map by_id;

    // A later record with an id seen before replaces the earlier one.
    template <std::ranges::input_range R>
    static Collection from_iter(R&& records) {
        typename Map::Entries entries;
        for (auto&& record : records) {
            usize id = record_id(record);
            entries.emplace_back(id, std::forward<decltype(record)>(record));
        }
        return Collection{Map::from_unsorted(std::move(entries))};
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

    // One walk over both id-ordered sequences: every list of the delta
    // comes out ascending.
    static Delta diff(const Value& earlier, const Value& later) {
        Delta delta;
        auto before = earlier.by_id.begin();
        const auto before_end = earlier.by_id.end();
        for (const auto& [id, record] : later.by_id) {
            for (; before != before_end && before->first < id; ++before) delta.removed.push_back(before->first);
            if (before != before_end && before->first == id) {
                if (!(before->second == record))
                    delta.changed.emplace_back(id, kimbly::Diff<T>::diff(before->second, record));
                ++before;
            } else {
                delta.added.push_back(record);
            }
        }
        for (; before != before_end; ++before) delta.removed.push_back(before->first);
        return delta;
    }

    static void update(Value& value, const Delta& delta) {
        remove_all(value, delta.removed);
        for (const auto& [id, record_delta] : delta.changed) {
            T* record = value.get(id);
            // A delta names only records of the state it was built from; a
            // damaged log or a mismatched state ends the thread that reads it.
            if (record == nullptr) kimbly::panic("Delta was not built correctly");
            kimbly::Diff<T>::update(*record, record_delta);
        }
        add_all(value, delta.added);
    }

private:
    using Map = typename Value::Map;

    // One pass over the collection whatever the order of the ids; ids that
    // are not there are skipped.
    static void remove_all(Value& value, const std::vector<velmora::model::usize>& removed) {
        if (removed.empty()) return;
        std::vector<velmora::model::usize> ids = removed;
        std::sort(ids.begin(), ids.end());
        erase_if(value.by_id,
                 [&ids](const auto& entry) { return std::binary_search(ids.begin(), ids.end(), entry.first); });
    }

    // New ids are handed out in order, so records usually arrive ascending
    // and above every id present, and each lands at the end. A delta in any
    // other order (a damaged or hand-made log) is merged by one sort rather
    // than a shift of the collection per record. A record replaces one with
    // its id, the later of two equal ids last.
    static void add_all(Value& value, const std::vector<T>& added) {
        const bool appends = std::ranges::is_sorted(added, std::less<>{}, [](const T& r) { return record_id(r); }) &&
                             (added.empty() || value.by_id.empty() ||
                              value.by_id.rbegin()->first < record_id(added.front()));
        if (appends) {
            for (const auto& record : added) value.by_id.insert_or_assign(record_id(record), record);
            return;
        }
        typename Map::Entries entries(std::make_move_iterator(value.by_id.begin()),
                                      std::make_move_iterator(value.by_id.end()));
        for (const auto& record : added) entries.emplace_back(record_id(record), record);
        value.by_id = Map::from_unsorted(std::move(entries));
    }
};
