#pragma once
// The names Java, Kotlin and Scala give what a schema names.
#include <string>
#include <string_view>

#include <pakko/schema.hpp>

#include "pakko_gen/names.hpp"

namespace pakko_gen::jvm {

inline constexpr NameStyle NAMES{renames::JVM};

// Bool to Boolean first, then Int32 to Int, Int64 to Long, Float32 to Float
// and Float64 to Double, anywhere in the text.
std::string conv(std::string_view text);

// The class name of a record, one-of or enumeration, without its package.
std::string class_name(const pakko::Schema& schema);

}  // namespace pakko_gen::jvm
