#pragma once
// The most bytes a type's binary form can take, known from its description
// alone: lets a reader or writer check room once for a whole value instead of
// once per field. Texts, vectors, maps and types with a binary form of their
// own can grow without limit.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <type_traits>
#include <utility>
#include <variant>

#include "pakko/describe.hpp"
#include "pakko/traits.hpp"
#include "pakko/type_traits.hpp"

namespace pakko {

inline constexpr std::size_t UNBOUNDED = std::numeric_limits<std::size_t>::max();

constexpr std::size_t add_bounds(std::size_t a, std::size_t b) {
    return a == UNBOUNDED || b == UNBOUNDED ? UNBOUNDED : a + b;
}

template <class T>
constexpr std::size_t max_encoded_size() {
    if constexpr (TraitsRead<T> || TraitsWrite<T>) {
        return UNBOUNDED;
    } else if constexpr (std::is_same_v<T, bool>) {
        return 1;
    } else if constexpr (std::is_same_v<T, std::int32_t> || std::is_same_v<T, float> ||
                         std::is_same_v<T, std::uint64_t> || DescribedEnum<T>) {
        return 4;
    } else if constexpr (std::is_same_v<T, std::monostate>) {
        return 0;
    } else if constexpr (is_optional_v<T>) {
        return add_bounds(1, max_encoded_size<typename T::value_type>());
    } else if constexpr (is_pair_v<T>) {
        return add_bounds(max_encoded_size<typename T::first_type>(), max_encoded_size<typename T::second_type>());
    } else if constexpr (DescribedRecord<T>) {
        std::size_t total = 0;
        for_each_field<T>([&](const auto& field) {
            total = add_bounds(total, max_encoded_size<typename std::remove_cvref_t<decltype(field)>::value_type>());
        });
        return total;
    } else if constexpr (DescribedOneOf<T>) {
        using V = typename decltype(describe<T>())::variant_type;
        return []<std::size_t... I>(std::index_sequence<I...>) {
            std::size_t largest = 0;
            ((largest = std::max(largest, max_encoded_size<std::variant_alternative_t<I, V>>())), ...);
            return add_bounds(4, largest);
        }(std::make_index_sequence<std::variant_size_v<V>>{});
    } else {
        return UNBOUNDED;
    }
}

}  // namespace pakko
