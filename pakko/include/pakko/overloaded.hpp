#pragma once
// A visitor made of one handler per alternative. Handlers that name their
// alternative (no `auto` parameter) make std::visit exhaustive: a variant that
// gains an alternative stops compiling until it is handled.

namespace pakko {

template <class... Handlers>
struct Overloaded : Handlers... {
    using Handlers::operator()...;
};

}  // namespace pakko
