#pragma once
// The compact size measure: an estimate of a value's serialised size that
// the history uses to choose between storing a full state and a delta.
// 8 bytes per size value and per length, 1 per bool and presence flag, 4 per
// enumeration index, one-of tag and 32-bit number; a record is its fields.
#include <cstddef>
#include <cstdint>
#include <string>
#include <variant>

#include "pakko/describe.hpp"
#include "pakko/traits.hpp"
#include "pakko/type_traits.hpp"

namespace pakko {

template <class T>
std::size_t measured_size(const T& value) {
    if constexpr (TraitsMeasure<T>) {
        return Traits<T>::measure(value);
    } else if constexpr (std::is_same_v<T, bool>) {
        return 1;
    } else if constexpr (std::is_same_v<T, std::int32_t> || std::is_same_v<T, float>) {
        return 4;
    } else if constexpr (std::is_same_v<T, std::uint64_t> || std::is_same_v<T, double>) {
        return 8;
    } else if constexpr (std::is_same_v<T, std::string>) {
        return 8 + value.size();
    } else if constexpr (std::is_same_v<T, std::monostate>) {
        return 0;
    } else if constexpr (is_optional_v<T>) {
        return 1 + (value ? measured_size(*value) : 0);
    } else if constexpr (is_vector_v<T>) {
        std::size_t total = 8;
        for (const auto& element : value) total += measured_size(element);
        return total;
    } else if constexpr (is_map_v<T>) {
        std::size_t total = 8;
        for (const auto& [key, element] : value) total += measured_size(key) + measured_size(element);
        return total;
    } else if constexpr (is_pair_v<T>) {
        return measured_size(value.first) + measured_size(value.second);
    } else if constexpr (DescribedEnum<T>) {
        return 4;
    } else if constexpr (DescribedRecord<T>) {
        std::size_t total = 0;
        for_each_field<T>([&](const auto& field) { total += measured_size(field.get(value)); });
        return total;
    } else if constexpr (DescribedOneOf<T>) {
        constexpr auto desc = describe<T>();
        return 4 + std::visit([](const auto& alternative) { return measured_size(alternative); },
                              value.*(desc.member));
    } else {
        static_assert(always_false<T>, "this type has no size measure");
    }
}

}  // namespace pakko
