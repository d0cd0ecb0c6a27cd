#pragma once
// Deltas between two values of a type. Contract for every specialisation:
// update(a, diff(a, b)) makes a equal to b; a delta is only applied to the
// value it was computed from; neither operation has any other effect.
#include <concepts>

namespace kimbly {

template <class T>
struct Diff;  // specialise: using Delta; static Delta diff(const T&, const T&); static void update(T&, const Delta&);

template <class T>
concept Diffable = requires(const T& a, T& m, const typename Diff<T>::Delta& d) {
    { Diff<T>::diff(a, a) } -> std::same_as<typename Diff<T>::Delta>;
    Diff<T>::update(m, d);
};

// For records whose delta is a full copy of the newer value.
template <class T>
struct FullCopyDiff {
    using Delta = T;
    static Delta diff(const T&, const T& newer) { return newer; }
    static void update(T& value, const Delta& delta) { value = delta; }
};

template <Diffable T>
typename Diff<T>::Delta diff(const T& older, const T& newer) { return Diff<T>::diff(older, newer); }

template <Diffable T>
void update(T& value, const typename Diff<T>::Delta& delta) { Diff<T>::update(value, delta); }

}  // namespace kimbly
