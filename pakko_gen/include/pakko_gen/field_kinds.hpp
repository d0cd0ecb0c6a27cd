#pragma once
// What several generators ask of a field's schema: the word their stream
// helpers name a primitive by, and the named types a field refers to.
#include <functional>
#include <string_view>

#include <pakko/schema.hpp>

namespace pakko_gen {

// "bool", "int", "long", "float", "double" or "string" (read_int,
// writeDouble and so on); empty for a kind that is no primitive.
std::string_view primitive_word(const pakko::Schema& schema);

// Calls `visit` for each record, one-of and enumeration that `schema` is or
// holds through options, lists and maps (a map's key before its value), in
// that order and with repeats; a named type's own fields are not entered.
void for_each_named(const pakko::Schema& schema, const std::function<void(const pakko::Schema&)>& visit);

}  // namespace pakko_gen
