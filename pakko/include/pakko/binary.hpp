#pragma once
// The binary encoding: little-endian, no header, no framing. Dispatch over
// the value's type happens at compile time; each primitive is one call of the
// byte reader or writer. The functions are templates over the concrete reader
// and writer so that calls through a final class (MemoryReader, VecWriter)
// are not virtual.
#include <array>
#include <bit>
#include <concepts>
#include <cstdint>
#include <cstring>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "pakko/describe.hpp"
#include "pakko/io.hpp"
#include "pakko/map_entries.hpp"
#include "pakko/traits.hpp"
#include "pakko/type_traits.hpp"

namespace pakko {

static_assert(std::endian::native == std::endian::little, "the encoding copies little-endian bytes as they are");

inline constexpr std::uint64_t MAX_SIZE_VALUE = 2147483647;

[[noreturn]] void throw_bad_bool();
[[noreturn]] void throw_invalid_size(std::int64_t value);
[[noreturn]] void throw_invalid_size(std::uint64_t value);
[[noreturn]] void throw_unexpected_tag(std::int32_t tag);
// Throws an InvalidData IoError when `bytes` is not well-formed UTF-8.
void check_utf8(std::span<const std::byte> bytes);

template <class T, class W>
    requires std::derived_from<W, Writer>
void write(W& writer, const T& value);

template <class T, class R>
    requires std::derived_from<R, Reader>
T read(R& reader);

namespace detail {

template <class W, class V>
inline void put_raw(W& writer, const V& value) {
    auto bytes = std::bit_cast<std::array<std::byte, sizeof(V)>>(value);
    writer.write_all(bytes);
}

template <class V, class R>
inline V get_raw(R& reader) {
    std::array<std::byte, sizeof(V)> bytes;
    reader.read_exact(bytes);
    return std::bit_cast<V>(bytes);
}

template <class W>
inline void put_size(W& writer, std::uint64_t value) {
    if (value > MAX_SIZE_VALUE) throw_invalid_size(value);
    put_raw(writer, static_cast<std::int32_t>(value));
}

template <class R>
inline std::uint64_t get_size(R& reader) {
    auto value = get_raw<std::int32_t>(reader);
    if (value < 0) throw_invalid_size(static_cast<std::int64_t>(value));
    return static_cast<std::uint64_t>(value);
}

template <class R>
inline std::int32_t get_tag(R& reader, std::size_t variant_count) {
    auto tag = get_raw<std::int32_t>(reader);
    if (static_cast<std::uint32_t>(tag) >= variant_count) throw_unexpected_tag(tag);
    return tag;
}

// Counts and lengths come from outside: room is made only as bytes and
// elements actually arrive, so a huge announced count that the input does not
// back ends with the reader's end-of-input error instead of a huge allocation.
inline constexpr std::size_t READ_CHUNK = 64 * 1024;

template <class R>
std::string read_string(R& reader) {
    std::size_t length = get_size(reader);
    std::string text;
    while (text.size() < length) {
        std::size_t start = text.size();
        std::size_t chunk = std::min(length - start, READ_CHUNK);
        text.resize(start + chunk);
        reader.read_exact(std::as_writable_bytes(std::span(text.data() + start, chunk)));
    }
    check_utf8(std::as_bytes(std::span(text.data(), text.size())));
    return text;
}

template <class Element>
inline std::size_t initial_capacity(std::size_t count) {
    return std::min(count, READ_CHUNK / (sizeof(Element) + 1) + 1);
}

template <class T, class V, class R, std::size_t... I>
V read_alternative(R& reader, std::size_t index, std::index_sequence<I...>) {
    using Fn = V (*)(R&);
    static constexpr Fn table[] = {+[](R& r) -> V {
        return V(std::in_place_index<I>, pakko::read<std::variant_alternative_t<I, V>>(r));
    }...};
    return table[index](reader);
}

}  // namespace detail

template <class T, class W>
    requires std::derived_from<W, Writer>
void write(W& writer, const T& value) {
    if constexpr (TraitsWrite<T>) {
        Traits<T>::write(writer, value);
    } else if constexpr (std::is_same_v<T, bool>) {
        detail::put_raw(writer, static_cast<std::uint8_t>(value ? 1 : 0));
    } else if constexpr (std::is_same_v<T, std::int32_t> || std::is_same_v<T, float>) {
        detail::put_raw(writer, value);
    } else if constexpr (std::is_same_v<T, std::uint64_t>) {
        detail::put_size(writer, value);
    } else if constexpr (std::is_same_v<T, std::string>) {
        detail::put_size(writer, value.size());
        writer.write_all(std::as_bytes(std::span(value.data(), value.size())));
    } else if constexpr (std::is_same_v<T, std::monostate>) {
    } else if constexpr (is_optional_v<T>) {
        detail::put_raw(writer, static_cast<std::uint8_t>(value.has_value() ? 1 : 0));
        if (value) pakko::write(writer, *value);
    } else if constexpr (is_vector_v<T>) {
        detail::put_size(writer, value.size());
        for (const auto& element : value) pakko::write(writer, element);
    } else if constexpr (is_map_v<T>) {
        detail::put_size(writer, value.size());
        for (const auto& [key, element] : value) {
            pakko::write(writer, key);
            pakko::write(writer, element);
        }
    } else if constexpr (is_pair_v<T>) {
        pakko::write(writer, value.first);
        pakko::write(writer, value.second);
    } else if constexpr (DescribedEnum<T>) {
        detail::put_raw(writer, static_cast<std::int32_t>(value));
    } else if constexpr (DescribedRecord<T>) {
        for_each_field<T>([&](const auto& field) { pakko::write(writer, field.get(value)); });
    } else if constexpr (DescribedOneOf<T>) {
        constexpr auto desc = describe<T>();
        const auto& alternatives = value.*(desc.member);
        detail::put_raw(writer, static_cast<std::int32_t>(alternatives.index()));
        std::visit([&](const auto& alternative) { pakko::write(writer, alternative); }, alternatives);
    } else {
        static_assert(always_false<T>, "this type has no binary form");
    }
}

template <class T, class R>
    requires std::derived_from<R, Reader>
T read(R& reader) {
    if constexpr (TraitsRead<T>) {
        return Traits<T>::read(reader);
    } else if constexpr (std::is_same_v<T, bool>) {
        auto byte = detail::get_raw<std::uint8_t>(reader);
        if (byte > 1) throw_bad_bool();
        return byte == 1;
    } else if constexpr (std::is_same_v<T, std::int32_t> || std::is_same_v<T, float>) {
        return detail::get_raw<T>(reader);
    } else if constexpr (std::is_same_v<T, std::uint64_t>) {
        return detail::get_size(reader);
    } else if constexpr (std::is_same_v<T, std::string>) {
        return detail::read_string(reader);
    } else if constexpr (std::is_same_v<T, std::monostate>) {
        return {};
    } else if constexpr (is_optional_v<T>) {
        if (!pakko::read<bool>(reader)) return std::nullopt;
        return T(pakko::read<typename T::value_type>(reader));
    } else if constexpr (is_vector_v<T>) {
        std::size_t count = detail::get_size(reader);
        T elements;
        elements.reserve(detail::initial_capacity<typename T::value_type>(count));
        for (std::size_t i = 0; i < count; ++i) elements.push_back(pakko::read<typename T::value_type>(reader));
        return elements;
    } else if constexpr (is_map_v<T>) {
        std::size_t count = detail::get_size(reader);
        detail::MapEntries<T> entries;
        for (std::size_t i = 0; i < count; ++i) {
            auto key = pakko::read<typename T::key_type>(reader);
            entries.add(std::move(key), pakko::read<typename T::mapped_type>(reader));
        }
        return std::move(entries).finish();
    } else if constexpr (is_pair_v<T>) {
        auto first = pakko::read<typename T::first_type>(reader);
        return T(std::move(first), pakko::read<typename T::second_type>(reader));
    } else if constexpr (DescribedEnum<T>) {
        return static_cast<T>(detail::get_tag(reader, decltype(describe<T>())::variant_count));
    } else if constexpr (DescribedRecord<T>) {
        T value{};
        for_each_field<T>([&](const auto& field) {
            using M = typename std::remove_cvref_t<decltype(field)>::value_type;
            field.get(value) = pakko::read<M>(reader);
        });
        return value;
    } else if constexpr (DescribedOneOf<T>) {
        constexpr auto desc = describe<T>();
        using V = typename decltype(desc)::variant_type;
        auto tag = detail::get_tag(reader, std::variant_size_v<V>);
        T value{};
        value.*(desc.member) = detail::read_alternative<T, V>(reader, static_cast<std::size_t>(tag),
                                                               std::make_index_sequence<std::variant_size_v<V>>{});
        return value;
    } else {
        static_assert(always_false<T>, "this type has no binary form");
    }
}

}  // namespace pakko
