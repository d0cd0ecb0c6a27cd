#pragma once
// The JSON form of every described type. Writing keeps keys in declaration
// order; reading is strict: keys in any order, unknown keys skipped, a repeated
// or missing required key rejected, the array form accepted with exactly the
// field count, size values only as non-negative integers that fit.
#include <array>
#include <charconv>
#include <cstdint>
#include <filesystem>
#include <limits>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include <nlohmann/json.hpp>

#include "pakko/describe.hpp"
#include "pakko/json_value.hpp"
#include "pakko/map_entries.hpp"
#include "pakko/traits.hpp"
#include "pakko/type_traits.hpp"

namespace pakko::json {

// A 32-bit float in its shortest round-trip text (0.1f is written 0.1);
// NaN and the infinities are written as null.
nlohmann::ordered_json float_to_json(float value);
nlohmann::ordered_json double_to_json(double value);
// For readers that hold a document of the JSON library already.
Value from_library(const nlohmann::ordered_json& document);

template <class T>
nlohmann::ordered_json to_json(const T& value);
template <class T>
T from_json(const Value& value);

// Pretty text with two-space indentation and no final newline.
template <class T>
std::string dump(const T& value) {
    return to_json(value).dump(2);
}

template <class T>
T parse(std::string_view text) {
    return from_json<T>(Value::parse(text));
}

namespace detail {

std::int32_t int32_from_key(std::string_view key);
std::uint64_t size_from_key(std::string_view key);

template <class E>
constexpr std::size_t variant_count() {
    return decltype(describe<E>())::variant_count;
}

template <class E>
std::string_view enum_name(E value) {
    constexpr auto desc = describe<E>();
    auto index = static_cast<std::size_t>(static_cast<std::int32_t>(value));
    if (index >= desc.variant_count) throw Error("enumeration value out of range: " + std::to_string(index));
    return desc.variants[index].name;
}

template <class E>
std::vector<std::string_view> enum_names() {
    constexpr auto desc = describe<E>();
    std::vector<std::string_view> names;
    for (const auto& variant : desc.variants) names.push_back(variant.name);
    return names;
}

template <class E>
E enum_from_name(std::string_view name) {
    constexpr auto desc = describe<E>();
    for (std::size_t i = 0; i < desc.variant_count; ++i) {
        if (desc.variants[i].name == name) return static_cast<E>(static_cast<std::int32_t>(i));
    }
    throw_unknown_variant(name, enum_names<E>());
}

template <class K>
std::string key_to_string(const K& key) {
    if constexpr (std::is_same_v<K, std::string>) {
        return key;
    } else if constexpr (std::is_same_v<K, std::int32_t> || std::is_same_v<K, std::uint64_t>) {
        return std::to_string(key);
    } else if constexpr (DescribedEnum<K>) {
        return std::string(enum_name(key));
    } else {
        static_assert(always_false<K>, "this type cannot be a JSON map key");
    }
}

template <class K>
K key_from_string(const std::string& key) {
    if constexpr (std::is_same_v<K, std::string>) {
        return key;
    } else if constexpr (std::is_same_v<K, std::int32_t>) {
        return int32_from_key(key);
    } else if constexpr (std::is_same_v<K, std::uint64_t>) {
        return size_from_key(key);
    } else if constexpr (DescribedEnum<K>) {
        return enum_from_name<K>(key);
    } else {
        static_assert(always_false<K>, "this type cannot be a JSON map key");
    }
}

template <class T>
constexpr bool has_no_fields() {
    if constexpr (DescribedRecord<T>) {
        return decltype(describe<T>())::field_count == 0;
    } else {
        return false;
    }
}

template <class T>
nlohmann::ordered_json record_to_json(const T& value) {
    constexpr auto desc = describe<T>();
    if constexpr (desc.wraps_value) {
        return to_json(std::get<0>(desc.fields).get(value));
    } else {
        auto object = nlohmann::ordered_json::object();
        for_each_field<T>([&](const auto& field) { object[std::string(field.json_key)] = to_json(field.get(value)); });
        return object;
    }
}

template <class T>
T record_from_json(const Value& value) {
    constexpr auto desc = describe<T>();
    constexpr std::size_t count = desc.field_count;
    T out{};
    if constexpr (desc.wraps_value) {
        const auto& field = std::get<0>(desc.fields);
        field.get(out) = from_json<typename std::remove_cvref_t<decltype(field)>::value_type>(value);
        return out;
    } else {
        if (value.is_array()) {
            if (value.items.size() != count) {
                throw_invalid_length(value.items.size(), struct_with_elements(desc.name, count));
            }
            std::size_t index = 0;
            for_each_field<T>([&](const auto& field) {
                using M = typename std::remove_cvref_t<decltype(field)>::value_type;
                field.get(out) = from_json<M>(value.items[index++]);
            });
            return out;
        }
        if (!value.is_object()) throw_invalid_type(value, "struct " + std::string(desc.name));
        std::array<bool, count> seen{};
        for (std::size_t member = 0; member < value.keys.size(); ++member) {
            const std::string& key = value.keys[member];
            std::size_t index = 0;
            bool matched = false;
            for_each_field<T>([&](const auto& field) {
                using M = typename std::remove_cvref_t<decltype(field)>::value_type;
                if (!matched && field.json_key == key) {
                    matched = true;
                    if (seen[index]) throw_duplicate_field(key);
                    seen[index] = true;
                    field.get(out) = from_json<M>(value.items[member]);
                }
                ++index;
            });
        }
        std::size_t index = 0;
        for_each_field<T>([&](const auto& field) {
            using M = typename std::remove_cvref_t<decltype(field)>::value_type;
            if (!seen[index] && !is_optional_v<M>) throw_missing_field(field.json_key);
            ++index;
        });
        return out;
    }
}

template <class V, std::size_t... I>
std::vector<std::string_view> alternative_names(std::index_sequence<I...>) {
    return {describe<std::variant_alternative_t<I, V>>().name...};
}

template <class V, std::size_t... I>
V alternative_from_json(std::size_t index, const Value* payload, std::index_sequence<I...>) {
    using Fn = V (*)(const Value*);
    static constexpr Fn table[] = {+[](const Value* p) -> V {
        using A = std::variant_alternative_t<I, V>;
        if constexpr (has_no_fields<A>()) {
            // Bare "Variant", or {"Variant": null}; an empty object or array is no unit.
            if (p == nullptr || p->is_null()) return V(std::in_place_index<I>);
            throw_invalid_type(*p, "unit");
        }
        if (p == nullptr) throw Error("invalid type: unit variant, expected struct variant " +
                                      std::string(describe<A>().name));
        return V(std::in_place_index<I>, from_json<A>(*p));
    }...};
    return table[index](payload);
}

template <class T>
T one_of_from_json(const Value& value) {
    constexpr auto desc = describe<T>();
    using V = typename decltype(desc)::variant_type;
    constexpr auto indices = std::make_index_sequence<std::variant_size_v<V>>{};
    const std::string* name = nullptr;
    const Value* payload = nullptr;
    if (value.is_string()) {
        name = &value.string;
    } else if (value.is_object() && value.keys.size() == 1) {
        name = &value.keys[0];
        payload = &value.items[0];
    } else {
        // Neither a name nor a name with its data.
        throw_invalid_type(value, "variant identifier");
    }
    auto names = alternative_names<V>(indices);
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (names[i] == *name) {
            T out{};
            out.*(desc.member) = alternative_from_json<V>(i, payload, indices);
            return out;
        }
    }
    throw_unknown_variant(*name, names);
}

template <class E>
E enum_from_json(const Value& value) {
    if (value.is_string()) return enum_from_name<E>(value.string);
    if (value.is_object() && value.keys.size() == 1 && value.items[0].is_null()) {
        return enum_from_name<E>(value.keys[0]);
    }
    throw_invalid_type(value, "variant identifier");
}

}  // namespace detail

template <class T>
nlohmann::ordered_json to_json(const T& value) {
    if constexpr (TraitsToJson<T>) {
        return Traits<T>::to_json(value);
    } else if constexpr (std::is_same_v<T, bool> || std::is_same_v<T, std::int32_t> ||
                         std::is_same_v<T, std::uint64_t> || std::is_same_v<T, std::string>) {
        return nlohmann::ordered_json(value);
    } else if constexpr (std::is_same_v<T, float>) {
        return float_to_json(value);
    } else if constexpr (std::is_same_v<T, double>) {
        return double_to_json(value);
    } else if constexpr (std::is_same_v<T, std::filesystem::path>) {
        return nlohmann::ordered_json(value.string());
    } else if constexpr (std::is_same_v<T, std::monostate>) {
        return nlohmann::ordered_json(nullptr);
    } else if constexpr (is_optional_v<T>) {
        return value ? to_json(*value) : nlohmann::ordered_json(nullptr);
    } else if constexpr (is_vector_v<T>) {
        auto array = nlohmann::ordered_json::array();
        for (const auto& element : value) array.push_back(to_json(element));
        return array;
    } else if constexpr (is_map_v<T>) {
        auto object = nlohmann::ordered_json::object();
        for (const auto& [key, element] : value) object[detail::key_to_string(key)] = to_json(element);
        return object;
    } else if constexpr (is_pair_v<T>) {
        return nlohmann::ordered_json::array({to_json(value.first), to_json(value.second)});
    } else if constexpr (DescribedEnum<T>) {
        return nlohmann::ordered_json(std::string(detail::enum_name(value)));
    } else if constexpr (DescribedRecord<T>) {
        return detail::record_to_json(value);
    } else if constexpr (DescribedOneOf<T>) {
        constexpr auto desc = describe<T>();
        return std::visit(
            [](const auto& alternative) -> nlohmann::ordered_json {
                using A = std::remove_cvref_t<decltype(alternative)>;
                std::string name(describe<A>().name);
                if constexpr (detail::has_no_fields<A>()) {
                    return nlohmann::ordered_json(name);
                } else {
                    auto object = nlohmann::ordered_json::object();
                    object[name] = to_json(alternative);
                    return object;
                }
            },
            value.*(desc.member));
    } else {
        static_assert(always_false<T>, "this type has no JSON form");
    }
}

template <class T>
T from_json(const Value& value) {
    if constexpr (TraitsFromJson<T>) {
        return Traits<T>::from_json(value);
    } else if constexpr (std::is_same_v<T, bool>) {
        if (!value.is_bool()) throw_invalid_type(value, "a boolean");
        return value.boolean;
    } else if constexpr (std::is_same_v<T, std::int32_t>) {
        constexpr auto lo = std::numeric_limits<std::int32_t>::min();
        constexpr auto hi = std::numeric_limits<std::int32_t>::max();
        if (value.type == Value::Type::Integer) {
            if (value.integer < lo) throw_invalid_value(value, "a 32-bit integer");
            return static_cast<std::int32_t>(value.integer);
        }
        if (value.type == Value::Type::Unsigned) {
            if (value.unsigned_integer > static_cast<std::uint64_t>(hi)) throw_invalid_value(value, "a 32-bit integer");
            return static_cast<std::int32_t>(value.unsigned_integer);
        }
        throw_invalid_type(value, "a 32-bit integer");
    } else if constexpr (std::is_same_v<T, std::uint64_t>) {
        if (value.type == Value::Type::Unsigned) return value.unsigned_integer;
        if (value.type == Value::Type::Integer) throw_invalid_value(value, "a non-negative integer");
        throw_invalid_type(value, "a non-negative integer");
    } else if constexpr (std::is_same_v<T, float> || std::is_same_v<T, double>) {
        if (!value.is_number()) throw_invalid_type(value, "a number");
        return static_cast<T>(value.as_double());
    } else if constexpr (std::is_same_v<T, std::string>) {
        if (!value.is_string()) throw_invalid_type(value, "a string");
        return value.string;
    } else if constexpr (std::is_same_v<T, std::filesystem::path>) {
        if (!value.is_string()) throw_invalid_type(value, "a path");
        return std::filesystem::path(value.string);
    } else if constexpr (std::is_same_v<T, std::monostate>) {
        if (!value.is_null()) throw_invalid_type(value, "null");
        return {};
    } else if constexpr (is_optional_v<T>) {
        if (value.is_null()) return std::nullopt;
        return T(from_json<typename T::value_type>(value));
    } else if constexpr (is_vector_v<T>) {
        if (!value.is_array()) throw_invalid_type(value, "a sequence");
        T elements;
        elements.reserve(value.items.size());
        for (const auto& item : value.items) elements.push_back(from_json<typename T::value_type>(item));
        return elements;
    } else if constexpr (is_map_v<T>) {
        if (!value.is_object()) throw_invalid_type(value, "a map");
        // A repeated key keeps the later entry.
        pakko::detail::MapEntries<T> entries;
        for (std::size_t i = 0; i < value.keys.size(); ++i) {
            entries.add(detail::key_from_string<typename T::key_type>(value.keys[i]),
                        from_json<typename T::mapped_type>(value.items[i]));
        }
        return std::move(entries).finish();
    } else if constexpr (is_pair_v<T>) {
        if (!value.is_array()) throw_invalid_type(value, "a tuple of size 2");
        if (value.items.size() != 2) throw_invalid_length(value.items.size(), "a tuple of size 2");
        return T(from_json<typename T::first_type>(value.items[0]), from_json<typename T::second_type>(value.items[1]));
    } else if constexpr (DescribedEnum<T>) {
        return detail::enum_from_json<T>(value);
    } else if constexpr (DescribedRecord<T>) {
        return detail::record_from_json<T>(value);
    } else if constexpr (DescribedOneOf<T>) {
        return detail::one_of_from_json<T>(value);
    } else {
        static_assert(always_false<T>, "this type has no JSON form");
    }
}

}  // namespace pakko::json
