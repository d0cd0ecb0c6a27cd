#pragma once
// Java names and types of schemas.
#include <string>
#include <string_view>

#include <pakko/schema.hpp>

#include "pakko_gen/jvm_names.hpp"

namespace pakko_gen::java {

using jvm::class_name;
using jvm::NAMES;

// The declared type of a value: the element part of an array type, then one
// "[]" per directly nested list. A list of primitives is a primitive array
// both where it is declared and where it is created.
std::string type_name(const pakko::Schema& schema);
std::string type_name_prearray(const pakko::Schema& schema);
std::string type_post_array(const pakko::Schema& schema);
// The reference type where Java needs one: optional values, map keys and values.
std::string type_name_obj(const pakko::Schema& schema);

}  // namespace pakko_gen::java
