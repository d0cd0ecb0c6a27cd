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

// Hands an option, a list or a map to its handler; false for other kinds.
template <class OnOption, class OnVec, class OnMap>
bool visit_container(const pakko::Schema& schema, OnOption on_option, OnVec on_vec, OnMap on_map) {
    if (const auto* option = schema.get_if<pakko::Schema::Option>()) {
        on_option(*option);
    } else if (const auto* vec = schema.get_if<pakko::Schema::Vec>()) {
        on_vec(*vec);
    } else if (const auto* map = schema.get_if<pakko::Schema::Map>()) {
        on_map(*map);
    } else {
        return false;
    }
    return true;
}

// Hands a record, a one-of or an enumeration to its handler; false for
// other kinds.
template <class OnStruct, class OnOneOf, class OnEnum>
bool visit_declared(const pakko::Schema& schema, OnStruct on_struct, OnOneOf on_one_of, OnEnum on_enum) {
    if (const auto* record = schema.get_if<pakko::Struct>()) {
        on_struct(*record);
    } else if (const auto* one_of = schema.get_if<pakko::Schema::OneOf>()) {
        on_one_of(*one_of);
    } else if (const auto* enumeration = schema.get_if<pakko::Schema::Enum>()) {
        on_enum(*enumeration);
    } else {
        return false;
    }
    return true;
}

}  // namespace pakko_gen
