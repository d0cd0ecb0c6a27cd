#pragma once
// Kotlin names and types of schemas.
#include <optional>
#include <string>
#include <string_view>

#include <pakko/schema.hpp>

#include "pakko_gen/names.hpp"

namespace pakko_gen::kotlin {

inline constexpr NameStyle NAMES{renames::JVM};

// Bool to Boolean first, then Int32 to Int, Int64 to Long, Float32 to Float
// and Float64 to Double, anywhere in the text.
std::string conv(std::string_view text);

// The class name of a record, one-of or enumeration, without its package.
std::string class_name(const pakko::Schema& schema);

std::string type_name(const pakko::Schema& schema);

// The initial value of a property of the schema; none for a property that
// is initialised late.
std::optional<std::string_view> default_value(const pakko::Schema& schema);

}  // namespace pakko_gen::kotlin
