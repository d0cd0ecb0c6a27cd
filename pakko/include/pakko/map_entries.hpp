#pragma once
// Gathers a map's entries as a reader decodes them. A map type that can build
// itself from entries in any order in one step (`T::from_unsorted`, as a
// sorted vector does) receives them all at the end, so that input in an
// unusual order costs a sort instead of a shift per entry; any other map
// takes each entry as it comes. Of two equal keys the later one stays.
#include <concepts>
#include <type_traits>
#include <utility>
#include <vector>

namespace pakko::detail {

template <class T>
using MapEntryList = std::vector<std::pair<typename T::key_type, typename T::mapped_type>>;

template <class T>
concept BuildsFromUnsorted = requires(MapEntryList<T> entries) {
    { T::from_unsorted(std::move(entries)) } -> std::same_as<T>;
};

template <class T>
class MapEntries {
public:
    void add(typename T::key_type key, typename T::mapped_type value) {
        if constexpr (BuildsFromUnsorted<T>) {
            entries_.emplace_back(std::move(key), std::move(value));
        } else {
            entries_.insert_or_assign(std::move(key), std::move(value));
        }
    }

    T finish() && {
        if constexpr (BuildsFromUnsorted<T>) {
            return T::from_unsorted(std::move(entries_));
        } else {
            return std::move(entries_);
        }
    }

private:
    std::conditional_t<BuildsFromUnsorted<T>, MapEntryList<T>, T> entries_;
};

}  // namespace pakko::detail
