#pragma once
// Goes through one encoded value on a reader the way decoding it would, with
// every check decoding makes (tags and enumerations in range, booleans and
// presence flags 0 or 1, sizes not negative, text well-formed), but builds
// nothing: for a benchmark's client that must prove each message it gets is
// well-formed without its decoding being counted as the sender's cost.
//
// A value whose encoding has a small upper bound (numbers, booleans,
// enumerations, and optionals, pairs, records and one-ofs of those), when the
// reader already holds that many bytes, is walked over them with no bounds
// check per field: one check per value instead of one per field. Near the end
// of what has arrived it is walked field by field as usual, so the walk never
// waits for bytes the value does not need.
#include <algorithm>
#include <concepts>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>
#include <span>
#include <type_traits>
#include <utility>
#include <variant>

#include <pakko/bound.hpp>
#include <pakko/pakko.hpp>

namespace bench {

// A reader that lends the bytes it already holds and lets them be marked read.
template <class R>
concept LendsBuffer = requires(R& reader, std::size_t count) {
    { reader.buffered() } -> std::convertible_to<std::span<const std::byte>>;
    reader.consume(count);
};

// Reads bytes known to be there: the caller has checked that the value's
// bound fits in what the span holds.
class UncheckedReader final : public pakko::Reader {
public:
    explicit UncheckedReader(const std::byte* next) : next_(next) {}

    void read_exact(std::span<std::byte> out) override {
        std::memcpy(out.data(), next_, out.size());
        next_ += out.size();
    }

    const std::byte* next() const noexcept { return next_; }

private:
    const std::byte* next_;
};

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

// One value, field by field on the reader.
template <class T, class R>
void walk_fields(R& reader) {
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

template <class T, class R>
void walk(R& reader) {
    constexpr std::size_t bound = pakko::max_encoded_size<T>();
    if constexpr (bound != pakko::UNBOUNDED && LendsBuffer<R>) {
        const std::span<const std::byte> held = reader.buffered();
        if (held.size() >= bound) [[likely]] {
            UncheckedReader unchecked(held.data());
            walk_fields<T>(unchecked);
            reader.consume(static_cast<std::size_t>(unchecked.next() - held.data()));
            return;
        }
    }
    walk_fields<T>(reader);
}

}  // namespace bench
