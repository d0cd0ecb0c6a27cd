#pragma once
// The per-language package options in their JSON form, and their debug text
// for the harness's log.
#include <string>

#include <pakko/json_value.hpp>
#include <pakko_gen/generator.hpp>

namespace tarnwick::client_gen {

// How a language's options are read and shown; each options type
// specialises it. Reading throws pakko::json::Error with the reader's
// message.
template <class T>
struct GenOptionsTraits;

// The empty options: only JSON null fits.
template <>
struct GenOptionsTraits<pakko_gen::EmptyOptions> {
    static pakko_gen::EmptyOptions from_json(const pakko::json::Value& value);
    static std::string debug_form(const pakko_gen::EmptyOptions&) { return "()"; }
};

}  // namespace tarnwick::client_gen
