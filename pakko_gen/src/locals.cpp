#include "pakko_gen/locals.hpp"

#include <kimbly/panic.hpp>

namespace pakko_gen {

std::string LoopCounter::next() {
    static constexpr std::string_view LETTERS = "ijk";
    if (used_ >= LETTERS.size()) kimbly::panic("called `Option::unwrap()` on a `None` value");
    return std::string(1, LETTERS[used_++]);
}

std::string_view var_name(std::string_view value) {
    auto dot = value.rfind('.');
    return dot == std::string_view::npos ? value : value.substr(dot + 1);
}

}  // namespace pakko_gen
