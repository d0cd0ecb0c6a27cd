#pragma once
// Scala names and types of schemas.
#include <string>
#include <string_view>

#include <pakko/schema.hpp>

#include "pakko_gen/jvm_names.hpp"

namespace pakko_gen::scala {

using jvm::class_name;
using jvm::NAMES;

std::string type_name(const pakko::Schema& schema);

}  // namespace pakko_gen::scala
