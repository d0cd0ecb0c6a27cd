#pragma once
// The one description of a record, enumeration or one-of.
//
// Every exchanged or stored type is described once, by an ADL-found function
//
//     constexpr auto pakko_describe(pakko::Tag<T>) { return pakko::record<T>(...); }
//
// declared in T's own namespace. The binary form, the schema, the JSON form
// and the compact size measure are all derived from that description by the
// generic code of this package; no record keeps a field list of its own
// anywhere else. Equality is `operator== = default` on the type itself.
//
//     struct MoveAction { Vec2 target; bool find_closest_position; bool break_through; };
//     constexpr auto pakko_describe(pakko::Tag<MoveAction>) {
//         return pakko::record<MoveAction>("MoveAction",
//             pakko::doc(pakko::en("Move action"), pakko::ru("Действие перемещения")),
//             pakko::field("target", &MoveAction::target, pakko::doc(...)),
//             pakko::field("find_closest_position", &MoveAction::find_closest_position, pakko::doc(...)),
//             pakko::field("break_through", &MoveAction::break_through, pakko::doc(...)));
//     }
//
// Enumerations are `enum class E : std::int32_t` whose enumerators are 0..N-1
// in declaration order:
//
//     constexpr auto pakko_describe(pakko::Tag<EntityType>) {
//         return pakko::enumeration<EntityType>("EntityType", pakko::doc(...),
//             pakko::variant("Wall", pakko::doc(...)), ...);
//     }
//
// One-ofs are a record wrapping a std::variant whose alternatives are described
// records; each alternative's record name is the variant's name:
//
//     struct ServerMessage { std::variant<GetAction, Finish, DebugUpdate> value; };
//     constexpr auto pakko_describe(pakko::Tag<ServerMessage>) {
//         return pakko::one_of<ServerMessage>("ServerMessage", pakko::doc(...), &ServerMessage::value);
//     }
//
// A record's description names every data member of an aggregate record;
// one it leaves out on purpose is named as skipped, before the fields:
//
//     return pakko::record<Cache>("Cache", pakko::no_doc(), pakko::skipping(&Cache::scratch),
//                                 pakko::field("entries", &Cache::entries));
//
// A type whose forms cannot follow from a description (containers with their
// own delta, names computed from a type parameter) specialises pakko::Traits
// instead; see traits.hpp.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <tuple>
#include <type_traits>
#include <variant>

#include "pakko/member_count.hpp"

namespace pakko {

template <class T>
struct Tag {};
template <class T>
inline constexpr Tag<T> tag{};

// One documentation entry: a language code and its text, kept in the order given.
struct DocText {
    std::string_view language;
    std::string_view text;
};

constexpr DocText en(std::string_view text) { return {"en", text}; }
constexpr DocText ru(std::string_view text) { return {"ru", text}; }

// The documentation of an item: up to two entries in their given order, which
// is part of the schema's value. Records that players never see have none.
struct Docs {
    std::array<DocText, 2> entries{};
    std::size_t count = 0;
};

constexpr Docs no_doc() { return {}; }
constexpr Docs doc(DocText first, DocText second) { return {{first, second}, 2}; }

template <class Owner, class M>
struct FieldDesc {
    using owner_type = Owner;
    using value_type = M;
    std::string_view name;
    M Owner::*member;
    Docs docs;
    std::string_view json_key;  // equals name unless given

    constexpr const M& get(const Owner& owner) const { return owner.*member; }
    constexpr M& get(Owner& owner) const { return owner.*member; }
};

template <class Owner, class M>
constexpr FieldDesc<Owner, M> field(std::string_view name, M Owner::*member, Docs docs = {},
                                    std::string_view json_key = {}) {
    return {name, member, docs, json_key.empty() ? name : json_key};
}

// A field reached through a function object instead of a member pointer,
// for records laid out by generic code (a tuple of values derived from
// another record's description).
template <class Owner, class M, class Access>
struct AccessedFieldDesc {
    using owner_type = Owner;
    using value_type = M;
    std::string_view name;
    Access access;
    Docs docs;
    std::string_view json_key;

    constexpr const M& get(const Owner& owner) const { return access(owner); }
    constexpr M& get(Owner& owner) const { return access(owner); }
};

template <class Owner, class M, class Access>
constexpr AccessedFieldDesc<Owner, M, Access> accessed_field(std::string_view name, Access access, Docs docs = {},
                                                             std::string_view json_key = {}) {
    return {name, access, docs, json_key.empty() ? name : json_key};
}

enum class Kind { Record, Enumeration, OneOf };

template <class T, class... Fields>
struct RecordDesc {
    static constexpr Kind kind = Kind::Record;
    using type = T;
    std::string_view name;
    Docs docs;
    std::tuple<Fields...> fields;
    // Set by wrapper(): the record stands for its one field's value in JSON
    // (a one-of variant {"Create": "Round1"}); binary and schema are unchanged.
    bool wraps_value = false;
    static constexpr std::size_t field_count = sizeof...(Fields);
};

// Members of a record that its description leaves out on purpose.
template <class T, std::size_t N>
struct Skipping {
    static constexpr std::size_t count = N;
};

template <class T, class... M>
constexpr Skipping<T, sizeof...(M)> skipping(M T::*...) {
    return {};
}

template <class T>
inline constexpr bool is_skipping = false;
template <class T, std::size_t N>
inline constexpr bool is_skipping<Skipping<T, N>> = true;

template <class F>
inline constexpr bool is_member_field = false;
template <class Owner, class M>
inline constexpr bool is_member_field<FieldDesc<Owner, M>> = true;

// Whether the fields and `skipped` members are all of T's data members.
// Only a description by member pointers of an aggregate is checked: fields
// reached through functions lay out a record by generic code, and the
// members of other records cannot be counted.
template <class T, class... Fields>
constexpr bool covers_members(std::size_t skipped) {
    if constexpr (std::is_aggregate_v<T> && (is_member_field<Fields> && ...)) {
        return sizeof...(Fields) + skipped == member_count<T>;
    } else {
        return true;
    }
}

template <class T, class... Fields>
    requires(!is_skipping<Fields> && ...)
constexpr RecordDesc<T, Fields...> record(std::string_view name, Docs docs, Fields... fields) {
    static_assert((std::is_same_v<typename Fields::owner_type, T> && ...),
                  "every field must belong to the described record");
    static_assert(covers_members<T, Fields...>(0),
                  "the description must name every data member of the record, or skip it with pakko::skipping");
    return {name, docs, std::tuple<Fields...>{fields...}};
}

template <class T, std::size_t N, class... Fields>
constexpr RecordDesc<T, Fields...> record(std::string_view name, Docs docs, Skipping<T, N>, Fields... fields) {
    static_assert((std::is_same_v<typename Fields::owner_type, T> && ...),
                  "every field must belong to the described record");
    static_assert(covers_members<T, Fields...>(N),
                  "the description and its skipped members must together be every data member of the record");
    return {name, docs, std::tuple<Fields...>{fields...}};
}

// A record of one field whose JSON form is that field's value alone.
template <class T, class Field>
constexpr RecordDesc<T, Field> wrapper(std::string_view name, Docs docs, Field field) {
    static_assert(std::is_same_v<typename Field::owner_type, T>, "the field must belong to the described record");
    static_assert(covers_members<T, Field>(0), "the description must name every data member of the record");
    return {name, docs, std::tuple<Field>{field}, true};
}

struct VariantDesc {
    std::string_view name;
    Docs docs;
};

constexpr VariantDesc variant(std::string_view name, Docs docs = {}) { return {name, docs}; }

template <class E, std::size_t N>
struct EnumDesc {
    static constexpr Kind kind = Kind::Enumeration;
    using type = E;
    std::string_view name;
    Docs docs;
    std::array<VariantDesc, N> variants;
    static constexpr std::size_t variant_count = N;
};

template <class E, class... V>
constexpr EnumDesc<E, sizeof...(V)> enumeration(std::string_view name, Docs docs, V... variants) {
    static_assert(std::is_enum_v<E> && std::is_same_v<std::underlying_type_t<E>, std::int32_t>,
                  "enumerations are enum class E : std::int32_t");
    return {name, docs, {variants...}};
}

template <class T, class V>
struct OneOfDesc {
    static constexpr Kind kind = Kind::OneOf;
    using type = T;
    using variant_type = V;
    std::string_view name;
    Docs docs;
    V T::*member;
    static constexpr std::size_t variant_count = std::variant_size_v<V>;
};

template <class T, class V>
constexpr OneOfDesc<T, V> one_of(std::string_view name, Docs docs, V T::*member) {
    return {name, docs, member};
}

// True when T has a description reachable by ADL.
template <class T>
concept Described = requires { pakko_describe(Tag<T>{}); };

template <Described T>
constexpr auto describe() {
    return pakko_describe(Tag<T>{});
}

template <class T>
concept DescribedRecord = Described<T> && (decltype(describe<T>())::kind == Kind::Record);
template <class T>
concept DescribedEnum = Described<T> && (decltype(describe<T>())::kind == Kind::Enumeration);
template <class T>
concept DescribedOneOf = Described<T> && (decltype(describe<T>())::kind == Kind::OneOf);

// Calls f(field_desc) for every field of a described record, in declaration order.
template <DescribedRecord T, class F>
constexpr void for_each_field(F&& f) {
    constexpr auto desc = describe<T>();
    std::apply([&](const auto&... fields) { (f(fields), ...); }, desc.fields);
}

}  // namespace pakko
