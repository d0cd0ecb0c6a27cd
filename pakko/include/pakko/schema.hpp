#pragma once
// The shape of an encoded type, from which client code is generated. Schemas
// are immutable values; Schema::of interns them so that equal ones are shared.
#include <concepts>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "pakko/describe.hpp"
#include "pakko/names.hpp"
#include "pakko/traits.hpp"
#include "pakko/type_traits.hpp"

namespace pakko {

class Schema;
using SchemaPtr = std::shared_ptr<const Schema>;

struct LanguageDocumentation {
    std::string language;
    std::string text;
    friend bool operator==(const LanguageDocumentation&, const LanguageDocumentation&) = default;
};

// Entries in their given order; the order is part of the value.
struct Documentation {
    std::vector<LanguageDocumentation> languages;

    // The text of the first entry whose language is exactly `language`.
    std::optional<std::string> get(std::string_view language) const;

    friend bool operator==(const Documentation&, const Documentation&) = default;
};

struct Field {
    Documentation documentation;
    Name name;
    SchemaPtr schema;
    friend bool operator==(const Field& a, const Field& b);
};

struct EnumVariant {
    Documentation documentation;
    Name name;
    friend bool operator==(const EnumVariant&, const EnumVariant&) = default;
};

struct Struct {
    std::optional<std::int32_t> magic;
    Documentation documentation;
    Name name;
    std::vector<Field> fields;
    friend bool operator==(const Struct&, const Struct&) = default;
};

class Schema {
public:
    struct Bool {};
    struct Int32 {};
    struct Int64 {};
    struct Float32 {};
    struct Float64 {};
    struct String {};
    struct OneOf {
        Documentation documentation;
        Name base_name;
        std::vector<Struct> variants;
    };
    struct Option {
        SchemaPtr inner;
    };
    struct Vec {
        SchemaPtr element;
    };
    struct Map {
        SchemaPtr key;
        SchemaPtr value;
    };
    struct Enum {
        Documentation documentation;
        Name base_name;
        std::vector<EnumVariant> variants;
    };

    // The alternatives' order is the tag order.
    using Variant = std::variant<Bool, Int32, Int64, Float32, Float64, String, Struct, OneOf, Option, Vec, Map, Enum>;

    Variant value;

    Schema() = default;
    template <class V>
        requires std::constructible_from<Variant, V&&>
    Schema(V&& alternative) : value(std::forward<V>(alternative)) {}

    std::size_t tag() const noexcept { return value.index(); }
    template <class V>
    const V* get_if() const noexcept {
        return std::get_if<V>(&value);
    }

    std::string full_name() const;
    bool hashable() const;
    std::size_t hash() const;
    std::string debug_text() const;

    friend bool operator==(const Schema& a, const Schema& b);

    // The one shared instance equal to T's schema.
    template <class T>
    static SchemaPtr of();
};

// Content equality of shared children: the same instance is equal at once.
bool same_schema(const SchemaPtr& a, const SchemaPtr& b);

struct SchemaHash {
    std::size_t operator()(const Schema& schema) const { return schema.hash(); }
};

// The interned instance equal to `candidate`; the first inserted one wins.
SchemaPtr intern(Schema candidate);
// How many schemas the process-wide set holds.
std::size_t interned_count();

Documentation make_documentation(const Docs& docs);

template <class T>
Schema create_schema();

// The Struct that T's description gives; a Traits<T>::create_schema can start
// from it and change what it must (a name computed from a type parameter).
template <DescribedRecord T>
Struct record_struct() {
    constexpr auto desc = describe<T>();
    Struct result{std::nullopt, make_documentation(desc.docs), Name(desc.name), {}};
    result.fields.reserve(desc.field_count);
    for_each_field<T>([&](const auto& field) {
        using M = typename std::remove_cvref_t<decltype(field)>::value_type;
        result.fields.push_back(Field{make_documentation(field.docs), Name(field.name), Schema::of<M>()});
    });
    return result;
}

namespace detail {

template <class V, std::size_t... I>
std::vector<Struct> one_of_variants(std::index_sequence<I...>) {
    static_assert((DescribedRecord<std::variant_alternative_t<I, V>> && ...),
                  "the alternatives of a one-of are described records");
    return {pakko::record_struct<std::variant_alternative_t<I, V>>()...};
}

}  // namespace detail

// A fresh schema of T, built on every call; children are interned.
template <class T>
Schema create_schema() {
    if constexpr (TraitsSchema<T>) {
        return Traits<T>::create_schema();
    } else if constexpr (std::is_same_v<T, bool>) {
        return Schema::Bool{};
    } else if constexpr (std::is_same_v<T, std::int32_t> || std::is_same_v<T, std::uint64_t>) {
        return Schema::Int32{};
    } else if constexpr (std::is_same_v<T, float>) {
        return Schema::Float32{};
    } else if constexpr (std::is_same_v<T, std::string>) {
        return Schema::String{};
    } else if constexpr (is_optional_v<T>) {
        return Schema::Option{Schema::of<typename T::value_type>()};
    } else if constexpr (is_vector_v<T>) {
        return Schema::Vec{Schema::of<typename T::value_type>()};
    } else if constexpr (is_map_v<T>) {
        return Schema::Map{Schema::of<typename T::key_type>(), Schema::of<typename T::mapped_type>()};
    } else if constexpr (DescribedEnum<T>) {
        constexpr auto desc = describe<T>();
        Schema::Enum result{make_documentation(desc.docs), Name(desc.name), {}};
        for (const auto& variant : desc.variants) {
            result.variants.push_back(EnumVariant{make_documentation(variant.docs), Name(variant.name)});
        }
        return result;
    } else if constexpr (DescribedRecord<T>) {
        return pakko::record_struct<T>();
    } else if constexpr (DescribedOneOf<T>) {
        constexpr auto desc = describe<T>();
        using V = typename decltype(desc)::variant_type;
        return Schema::OneOf{make_documentation(desc.docs), Name(desc.name),
                             detail::one_of_variants<V>(std::make_index_sequence<std::variant_size_v<V>>{})};
    } else {
        static_assert(always_false<T>, "this type has no schema");
    }
}

template <class T>
SchemaPtr Schema::of() {
    // Built before the set is locked: building interns the children, which
    // takes the same lock.
    return intern(create_schema<T>());
}

}  // namespace pakko
