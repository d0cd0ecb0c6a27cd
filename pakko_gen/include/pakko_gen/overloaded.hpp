#pragma once

namespace pakko_gen {

// Lambdas joined into one visitor of a std::variant.
template <class... F>
struct Overloaded : F... {
    using F::operator()...;
};

}  // namespace pakko_gen
