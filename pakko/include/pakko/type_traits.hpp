#pragma once
// Recognisers of the generic containers the encodings know.
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <type_traits>
#include <utility>
#include <variant>
#include <vector>

namespace pakko {

template <class T>
struct IsOptional : std::false_type {};
template <class T>
struct IsOptional<std::optional<T>> : std::true_type {};

template <class T>
struct IsVector : std::false_type {};
template <class T, class A>
struct IsVector<std::vector<T, A>> : std::true_type {};

template <class T>
struct IsMap : std::false_type {};
template <class K, class V, class C, class A>
struct IsMap<std::map<K, V, C, A>> : std::true_type {};

template <class T>
struct IsPair : std::false_type {};
template <class A, class B>
struct IsPair<std::pair<A, B>> : std::true_type {};

template <class T>
inline constexpr bool is_optional_v = IsOptional<T>::value;
template <class T>
inline constexpr bool is_vector_v = IsVector<T>::value;
template <class T>
inline constexpr bool is_map_v = IsMap<T>::value;
template <class T>
inline constexpr bool is_pair_v = IsPair<T>::value;

// The quantity type: non-negative, carried as a 32-bit integer in binary.
using usize = std::uint64_t;

}  // namespace pakko
