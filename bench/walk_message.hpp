#pragma once
// Goes through one encoded value on a reader the way decoding it would, with
// every check decoding makes (tags and enumerations in range, booleans and
// presence flags 0 or 1, sizes not negative, text well-formed), but builds
// nothing: for a benchmark's client that must prove each message it gets is
// well-formed without its decoding being counted as the sender's cost.
#include <cstddef>
#include <cstdint>
#include <type_traits>
#include <utility>
#include <variant>

#include <pakko/pakko.hpp>

namespace bench {

template <class T, class R>
void walk(R& reader);

// The alternative's index, after walking it.
template <class T, class R>
std::size_t walk_one_of(R& reader) {
    using V = typename decltype(pakko::describe<T>())::variant_type;
    const auto tag = pakko::read<std::int32_t>(reader);
    if (static_cast<std::uint32_t>(tag) >= std::variant_size_v<V>) pakko::throw_unexpected_tag(tag);
    const auto index = static_cast<std::size_t>(tag);
    [&]<std::size_t... I>(std::index_sequence<I...>) {
        static_cast<void>(((index == I ? (walk<std::variant_alternative_t<I, V>>(reader), true) : false) || ...));
    }(std::make_index_sequence<std::variant_size_v<V>>{});
    return index;
}

template <class T, class R>
void walk(R& reader) {
    if constexpr (pakko::TraitsRead<T>) {
        static_cast<void>(pakko::read<T>(reader));
    } else if constexpr (pakko::is_optional_v<T>) {
        if (pakko::read<bool>(reader)) walk<typename T::value_type>(reader);
    } else if constexpr (pakko::is_vector_v<T>) {
        const std::uint64_t count = pakko::read<std::uint64_t>(reader);
        for (std::uint64_t i = 0; i < count; ++i) walk<typename T::value_type>(reader);
    } else if constexpr (pakko::is_map_v<T>) {
        const std::uint64_t count = pakko::read<std::uint64_t>(reader);
        for (std::uint64_t i = 0; i < count; ++i) {
            walk<typename T::key_type>(reader);
            walk<typename T::mapped_type>(reader);
        }
    } else if constexpr (pakko::is_pair_v<T>) {
        walk<typename T::first_type>(reader);
        walk<typename T::second_type>(reader);
    } else if constexpr (pakko::DescribedRecord<T>) {
        pakko::for_each_field<T>([&](const auto& field) {
            walk<typename std::remove_cvref_t<decltype(field)>::value_type>(reader);
        });
    } else if constexpr (pakko::DescribedOneOf<T>) {
        walk_one_of<T>(reader);
    } else {
        // Numbers, booleans, sizes, enumerations and text: decoded and
        // checked as usual, which costs no more than stepping over them.
        static_cast<void>(pakko::read<T>(reader));
    }
}

}  // namespace bench
