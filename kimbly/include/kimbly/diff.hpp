#pragma once
// Deltas between two values of a type. Contract for every delta:
// update(a, diff(a, b)) makes a equal to b; a delta is only applied to the
// value it was computed from; neither operation has any other effect.
//
// A record says how its delta is formed next to its description, by an
// ADL-found function in its own namespace:
//
//     constexpr kimbly::DeltaKind kimbly_delta(pakko::Tag<Entity>) { return kimbly::DeltaKind::FullCopy; }
//
// FullCopy: the delta is the later record itself. FieldByField: the delta
// holds one delta per field of the record's description, in its order, and
// is described as the record's name followed by "Delta"; a scalar field's
// delta is its later value. Types with a delta of their own (a collection,
// a constant) specialise Diff instead.
#include <algorithm>
#include <array>
#include <concepts>
#include <cstddef>
#include <string_view>
#include <tuple>
#include <type_traits>
#include <utility>

#include <pakko/describe.hpp>

namespace kimbly {

template <class T>
struct Diff;  // specialise: using Delta; static Delta diff(const T&, const T&); static void update(T&, const Delta&);

template <class T>
concept Diffable = requires(const T& a, T& m, const typename Diff<T>::Delta& d) {
    { Diff<T>::diff(a, a) } -> std::same_as<typename Diff<T>::Delta>;
    Diff<T>::update(m, d);
};

template <Diffable T>
typename Diff<T>::Delta diff(const T& older, const T& newer) { return Diff<T>::diff(older, newer); }

template <Diffable T>
void update(T& value, const typename Diff<T>::Delta& delta) { Diff<T>::update(value, delta); }

enum class DeltaKind { FullCopy, FieldByField };

template <class T>
concept DeclaresDelta = requires {
    { kimbly_delta(pakko::Tag<T>{}) } -> std::same_as<DeltaKind>;
};

template <class T>
concept FullCopyDelta = DeclaresDelta<T> && (kimbly_delta(pakko::Tag<T>{}) == DeltaKind::FullCopy);

template <class T>
concept FieldByFieldDelta =
    DeclaresDelta<T> && pakko::DescribedRecord<T> && (kimbly_delta(pakko::Tag<T>{}) == DeltaKind::FieldByField);

template <FullCopyDelta T>
struct Diff<T> {
    using Delta = T;
    static Delta diff(const T&, const T& newer) { return newer; }
    static void update(T& value, const Delta& delta) { value = delta; }
};

namespace detail {

// A field's delta is its type's; scalars carry none of their own, so their
// later value is their delta. Any other field without a Diff fails to compile
// rather than being copied whole unnoticed.
template <class M>
struct FieldDiff : Diff<M> {};
template <class M>
    requires std::is_scalar_v<M>
struct FieldDiff<M> {
    using Delta = M;
    static Delta diff(const M&, const M& newer) { return newer; }
    static void update(M& value, const Delta& delta) { value = delta; }
};

template <class T, std::size_t I>
using FieldValue = typename std::remove_cvref_t<decltype(std::get<I>(pakko::describe<T>().fields))>::value_type;

template <class T, class Indices>
struct FieldDeltaTuple;
template <class T, std::size_t... I>
struct FieldDeltaTuple<T, std::index_sequence<I...>> {
    using type = std::tuple<typename FieldDiff<FieldValue<T, I>>::Delta...>;
};

template <class T>
using FieldIndices = std::make_index_sequence<decltype(pakko::describe<T>())::field_count>;

// The record's name followed by "Delta", kept for the life of the program.
template <class T>
struct DeltaName {
    static constexpr std::string_view base = pakko::describe<T>().name;
    static constexpr std::string_view suffix = "Delta";
    static constexpr auto chars = [] {
        std::array<char, base.size() + suffix.size()> out{};
        std::copy(base.begin(), base.end(), out.begin());
        std::copy(suffix.begin(), suffix.end(), out.begin() + base.size());
        return out;
    }();
    static constexpr std::string_view value{chars.data(), chars.size()};
};

}  // namespace detail

// The delta of a FieldByField record: one field delta per described field.
template <FieldByFieldDelta T>
struct FieldDeltas {
    typename detail::FieldDeltaTuple<T, detail::FieldIndices<T>>::type fields;

    // The delta of the field that `member` names.
    template <auto member>
    const auto& of() const {
        return std::get<checked_index<member>()>(fields);
    }
    template <auto member>
    auto& of() {
        return std::get<checked_index<member>()>(fields);
    }

    bool operator==(const FieldDeltas&) const = default;

private:
    template <auto member>
    static constexpr std::size_t checked_index() {
        constexpr std::size_t index = index_of<member>();
        static_assert(index < std::tuple_size_v<decltype(fields)>, "not a described field of the record");
        return index;
    }
    template <auto member>
    static constexpr std::size_t index_of() {
        constexpr auto desc = pakko::describe<T>();
        std::size_t index = desc.field_count;
        std::size_t current = 0;
        std::apply(
            [&](const auto&... field) {
                ((field_is<member>(field) ? (void)(index = current) : (void)0, ++current), ...);
            },
            desc.fields);
        return index;
    }
    template <auto member, class Field>
    static constexpr bool field_is(const Field& field) {
        if constexpr (std::is_same_v<decltype(member), decltype(field.member)>) return field.member == member;
        return false;
    }
};

namespace detail {

template <std::size_t I>
struct FieldDeltaAt {
    template <class D>
    constexpr auto& operator()(D& delta) const {
        return std::get<I>(delta.fields);
    }
};

template <class T, std::size_t... I>
constexpr auto describe_field_deltas(std::index_sequence<I...>) {
    constexpr auto desc = pakko::describe<T>();
    using D = FieldDeltas<T>;
    return pakko::record<D>(DeltaName<T>::value, pakko::no_doc(),
                            pakko::accessed_field<D, std::tuple_element_t<I, decltype(D::fields)>>(
                                std::get<I>(desc.fields).name, FieldDeltaAt<I>{}, pakko::no_doc(),
                                std::get<I>(desc.fields).json_key)...);
}

}  // namespace detail

template <class T>
constexpr auto pakko_describe(pakko::Tag<FieldDeltas<T>>) {
    return detail::describe_field_deltas<T>(detail::FieldIndices<T>{});
}

template <FieldByFieldDelta T>
struct Diff<T> {
    using Delta = FieldDeltas<T>;

    static Delta diff(const T& earlier, const T& later) {
        Delta delta;
        each_field(detail::FieldIndices<T>{}, [&](const auto& field, auto& field_delta) {
            using M = typename std::remove_cvref_t<decltype(field)>::value_type;
            field_delta = detail::FieldDiff<M>::diff(field.get(earlier), field.get(later));
        }, delta);
        return delta;
    }

    static void update(T& value, const Delta& delta) {
        each_field(detail::FieldIndices<T>{}, [&](const auto& field, const auto& field_delta) {
            using M = typename std::remove_cvref_t<decltype(field)>::value_type;
            detail::FieldDiff<M>::update(field.get(value), field_delta);
        }, delta);
    }

private:
    template <std::size_t... I, class F, class D>
    static void each_field(std::index_sequence<I...>, F&& f, D& delta) {
        constexpr auto desc = pakko::describe<T>();
        (f(std::get<I>(desc.fields), std::get<I>(delta.fields)), ...);
    }
};

}  // namespace kimbly
