#pragma once
// The options of a package that offers a choice of tool chains: the chosen
// one and the generator's empty options, read from an object or an array.
#include <span>
#include <string>
#include <string_view>

#include <pakko/json_value.hpp>
#include <pakko_gen/generator.hpp>

#include "tarnwick/client_gen/gen_options.hpp"

namespace tarnwick::client_gen {

// C is an enumeration whose first variant is the default; variant_names(C),
// found by argument-dependent lookup, lists its variants' names in order.
template <class C>
struct CompilerGenOptions {
    C compiler{};
    pakko_gen::EmptyOptions pakko;
    bool operator==(const CompilerGenOptions&) const = default;
};

namespace compiler_options {

// The position of the chosen variant among `names`: {"compiler": ..., "pakko":
// null}, each key optional, other keys ignored; or [compiler, pakko], each
// element optional. A variant is its name, or an object with that name as its
// only key and null as its value. Throws pakko::json::Error.
std::size_t parse(const pakko::json::Value& value, std::span<const std::string_view> names);

// "GenOptions {\n    compiler: <name>,\n    pakko: (),\n}".
std::string debug_form(std::string_view compiler_name);

}  // namespace compiler_options

template <class C>
struct GenOptionsTraits<CompilerGenOptions<C>> {
    static CompilerGenOptions<C> from_json(const pakko::json::Value& value) {
        return {static_cast<C>(compiler_options::parse(value, variant_names(C{}))), {}};
    }
    static std::string debug_form(const CompilerGenOptions<C>& options) {
        return compiler_options::debug_form(variant_names(C{})[static_cast<std::size_t>(options.compiler)]);
    }
};

}  // namespace tarnwick::client_gen
