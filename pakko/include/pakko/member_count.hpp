#pragma once
// The number of data members of an aggregate, found by how many initializers
// its braced initialization accepts. A description checks its field list
// against it, so that a member added to a record but not to its description
// stops the build instead of vanishing from every form.
#include <cstddef>
#include <type_traits>
#include <utility>

namespace pakko::detail {

// Stands for any one member's initial value. The conversion binds only an
// rvalue of this type to an lvalue of the member's type: the member's copy
// constructor is then the one way to initialize it, so that members with
// converting constructors (texts, variants) take exactly one initializer.
struct AnyMember {
    std::size_t position;
    template <class M>
    operator M&() const&& noexcept;
};

template <class T, std::size_t... I>
constexpr bool initializes_with(std::index_sequence<I...>) {
    return requires { T{AnyMember{I}...}; };
}

// The largest count of initializers T accepts; it takes every count below it
// too, the members past the initializers keeping their defaults.
template <class T, std::size_t N = 0>
constexpr std::size_t member_count() {
    if constexpr (initializes_with<T>(std::make_index_sequence<N + 1>{})) {
        return member_count<T, N + 1>();
    } else {
        return N;
    }
}

}  // namespace pakko::detail

namespace pakko {

// The data members of aggregate T; records of other kinds have no count.
template <class T>
    requires std::is_aggregate_v<T>
inline constexpr std::size_t member_count = detail::member_count<T>();

}  // namespace pakko
