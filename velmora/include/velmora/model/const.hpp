#pragma once
// A value fixed for a whole game: in every form it is the value it holds,
// and its delta is empty.
#include <variant>

#include <kimbly/diff.hpp>
#include <kimbly/panic.hpp>
#include <pakko/describe.hpp>

namespace velmora::model {

template <class T>
struct Const {
    T value;

    bool operator==(const Const&) const = default;
};

template <class T>
constexpr auto pakko_describe(pakko::Tag<Const<T>>) {
    return pakko::wrapper<Const<T>>("Const", pakko::no_doc(), pakko::field("value", &Const<T>::value));
}

}  // namespace velmora::model

template <class T>
struct kimbly::Diff<velmora::model::Const<T>> {
    using Delta = std::monostate;

    // Two states of one game always share the value; anything else is a
    // caller mixing up games.
    static Delta diff(const velmora::model::Const<T>& self, const velmora::model::Const<T>& to) {
        if (!(self == to)) kimbly::panic("assertion failed: self == to");
        return {};
    }
    static void update(velmora::model::Const<T>&, const Delta&) {}
};
