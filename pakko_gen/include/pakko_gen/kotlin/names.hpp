#pragma once
// Kotlin names and types of schemas.
#include <optional>
#include <string>
#include <string_view>

#include <pakko/schema.hpp>

#include "pakko_gen/jvm_names.hpp"

namespace pakko_gen::kotlin {

using jvm::class_name;
using jvm::NAMES;

std::string type_name(const pakko::Schema& schema);

// The initial value of a property of the schema; none for a property that
// is initialised late.
std::optional<std::string_view> default_value(const pakko::Schema& schema);

}  // namespace pakko_gen::kotlin
