#pragma once
// An ordered map kept as one sorted vector of (key, value) pairs: walking it
// reads memory in order, and a lookup is a binary search. The interface is
// the part of std::map's that the game's tables use, so code written against
// an ordered map reads the same.
//
// Unlike std::map, inserting or erasing moves the entries after the place and
// may reallocate: iterators, pointers and references into the map are valid
// only until the next insertion or erasure. Keys are reachable through
// iterators as plain members; changing one breaks the order and is not
// allowed. Inserting a key above every present key (the usual case for ids
// handed out in order) appends.
#include <algorithm>
#include <cstddef>
#include <iterator>
#include <stdexcept>
#include <tuple>
#include <utility>
#include <vector>

#include <pakko/type_traits.hpp>

namespace kimbly {

template <class K, class V>
class FlatMap {
public:
    using key_type = K;
    using mapped_type = V;
    using value_type = std::pair<K, V>;
    using size_type = std::size_t;
    using Entries = std::vector<value_type>;
    using iterator = typename Entries::iterator;
    using const_iterator = typename Entries::const_iterator;
    using reverse_iterator = typename Entries::reverse_iterator;
    using const_reverse_iterator = typename Entries::const_reverse_iterator;

    FlatMap() = default;

    // Entries in any order; of two equal keys the later one stays, as
    // inserting them one by one with insert_or_assign would leave it.
    static FlatMap from_unsorted(Entries entries) {
        std::stable_sort(entries.begin(), entries.end(),
                         [](const value_type& a, const value_type& b) { return a.first < b.first; });
        auto out = entries.begin();
        for (auto& entry : entries) {
            if (out != entries.begin() && !(std::prev(out)->first < entry.first)) {
                *std::prev(out) = std::move(entry);
            } else {
                if (&*out != &entry) *out = std::move(entry);
                ++out;
            }
        }
        entries.erase(out, entries.end());
        FlatMap map;
        map.entries_ = std::move(entries);
        return map;
    }

    iterator begin() noexcept { return entries_.begin(); }
    iterator end() noexcept { return entries_.end(); }
    const_iterator begin() const noexcept { return entries_.begin(); }
    const_iterator end() const noexcept { return entries_.end(); }
    const_iterator cbegin() const noexcept { return entries_.cbegin(); }
    const_iterator cend() const noexcept { return entries_.cend(); }
    reverse_iterator rbegin() noexcept { return entries_.rbegin(); }
    reverse_iterator rend() noexcept { return entries_.rend(); }
    const_reverse_iterator rbegin() const noexcept { return entries_.rbegin(); }
    const_reverse_iterator rend() const noexcept { return entries_.rend(); }

    size_type size() const noexcept { return entries_.size(); }
    bool empty() const noexcept { return entries_.empty(); }
    void clear() noexcept { entries_.clear(); }
    void reserve(size_type count) { entries_.reserve(count); }

    iterator lower_bound(const K& key) { return begin() + lower_index(key); }
    const_iterator lower_bound(const K& key) const { return begin() + lower_index(key); }

    iterator find(const K& key) {
        const std::size_t index = lower_index(key);
        return holds(index, key) ? begin() + index : end();
    }
    const_iterator find(const K& key) const {
        const std::size_t index = lower_index(key);
        return holds(index, key) ? begin() + index : end();
    }
    bool contains(const K& key) const { return holds(lower_index(key), key); }
    size_type count(const K& key) const { return contains(key) ? 1 : 0; }

    V& at(const K& key) {
        auto it = find(key);
        if (it == end()) throw_missing();
        return it->second;
    }
    const V& at(const K& key) const {
        auto it = find(key);
        if (it == end()) throw_missing();
        return it->second;
    }

    V& operator[](const K& key) { return try_emplace(key).first->second; }

    template <class M>
    std::pair<iterator, bool> insert_or_assign(const K& key, M&& value) {
        const std::size_t index = lower_index(key);
        if (holds(index, key)) {
            entries_[index].second = std::forward<M>(value);
            return {begin() + index, false};
        }
        return {entries_.emplace(begin() + index, key, std::forward<M>(value)), true};
    }

    // Leaves a present key's value as it is.
    template <class... Args>
    std::pair<iterator, bool> try_emplace(const K& key, Args&&... args) {
        const std::size_t index = lower_index(key);
        if (holds(index, key)) return {begin() + index, false};
        return {entries_.emplace(begin() + index, std::piecewise_construct, std::forward_as_tuple(key),
                                 std::forward_as_tuple(std::forward<Args>(args)...)),
                true};
    }
    template <class M>
    std::pair<iterator, bool> emplace(const K& key, M&& value) {
        return try_emplace(key, std::forward<M>(value));
    }
    std::pair<iterator, bool> insert(value_type entry) { return try_emplace(entry.first, std::move(entry.second)); }

    size_type erase(const K& key) {
        auto it = find(key);
        if (it == end()) return 0;
        entries_.erase(it);
        return 1;
    }
    iterator erase(const_iterator position) { return entries_.erase(position); }

    // Removes every entry for which `pred(entry)` holds, in one pass.
    template <class Pred>
    friend size_type erase_if(FlatMap& map, Pred pred) {
        return std::erase_if(map.entries_, std::move(pred));
    }

    bool operator==(const FlatMap&) const = default;

private:
    // The first index whose key is not below `key`. Appending in key order
    // is the common case, so the last entry is checked first.
    std::size_t lower_index(const K& key) const {
        if (entries_.empty() || entries_.back().first < key) return entries_.size();
        auto it = std::partition_point(entries_.begin(), entries_.end(),
                                       [&key](const value_type& entry) { return entry.first < key; });
        return static_cast<std::size_t>(it - entries_.begin());
    }
    bool holds(std::size_t index, const K& key) const {
        return index < entries_.size() && !(key < entries_[index].first);
    }
    [[noreturn]] static void throw_missing() { throw std::out_of_range("FlatMap::at: no such key"); }

    Entries entries_;
};

}  // namespace kimbly

// The encodings treat it as the ordered map it stands for: the same bytes,
// schema and JSON.
template <class K, class V>
struct pakko::IsMap<kimbly::FlatMap<K, V>> : std::true_type {};
