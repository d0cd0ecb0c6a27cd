#pragma once
// The customisation point for types whose forms cannot follow from a
// description: a collection with its own JSON shape, a vector whose schema
// name is computed from its component, and so on.
//
//     template <class T>
//     struct pakko::Traits<kimbly::Vec2<T>> {
//         static pakko::Schema create_schema();
//         static kimbly::Vec2<T> read(pakko::Reader& reader);
//         static void write(pakko::Writer& writer, const kimbly::Vec2<T>& value);
//         static nlohmann::ordered_json to_json(const kimbly::Vec2<T>& value);
//         static kimbly::Vec2<T> from_json(const pakko::json::Value& value);
//         static std::size_t measure(const kimbly::Vec2<T>& value);
//     };
//
// Every member is optional: a form whose member is missing is unavailable for
// the type (using it fails to compile). A specialisation takes precedence over
// a description of the same type.
#include <cstddef>
#include <utility>

#include <nlohmann/json_fwd.hpp>

#include "pakko/io.hpp"

namespace pakko {

class Schema;

namespace json {
class Value;
}

template <class T>
struct Traits {};

template <class T>
concept TraitsWrite = requires(Writer& w, const T& v) { Traits<T>::write(w, v); };
template <class T>
concept TraitsRead = requires(Reader& r) {
    { Traits<T>::read(r) } -> std::convertible_to<T>;
};
template <class T>
concept TraitsSchema = requires { Traits<T>::create_schema(); };
template <class T>
concept TraitsToJson = requires(const T& v) { Traits<T>::to_json(v); };
template <class T>
concept TraitsFromJson = requires(const json::Value& j) {
    { Traits<T>::from_json(j) } -> std::convertible_to<T>;
};
template <class T>
concept TraitsMeasure = requires(const T& v) {
    { Traits<T>::measure(v) } -> std::convertible_to<std::size_t>;
};

template <class>
inline constexpr bool always_false = false;

}  // namespace pakko
