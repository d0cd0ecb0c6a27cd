#pragma once
// C++ names and types of schemas.
#include <string>
#include <string_view>

#include <pakko/schema.hpp>

#include "pakko_gen/names.hpp"

namespace pakko_gen::cpp {

inline constexpr NameStyle NAMES{renames::CPP};

// Int32 to Int, Int64 to Long, Float32 to Float, Float64 to Double, anywhere in the text.
std::string conv(std::string_view text);

// The class or enumeration name of a record, one-of or enumeration.
std::string class_name(const pakko::Schema& schema);
// The C++ type that holds a value of the schema.
std::string type_name(const pakko::Schema& schema);
// The constructor parameters of a record: type and member name per field, joined by ", ".
std::string parameter_list(const pakko::Struct& record);

}  // namespace pakko_gen::cpp
