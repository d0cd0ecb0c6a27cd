#pragma once
// The record types, and the statements that read and write Scala values.
#include <optional>
#include <string_view>

#include <pakko/schema.hpp>

#include "pakko_gen/model_generator.hpp"
#include "pakko_gen/writer.hpp"

namespace pakko_gen::scala {

// A record: top-level, or a variant nested in its one-of.
void write_struct(Writer& writer, const pakko::Struct& record, const std::optional<VariantOf>& variant_of);

namespace statements {

// Statements that write the value of the expression to `stream`. Containers
// name their elements "value" and "key", an inner name shadowing an outer one.
void write(Writer& writer, std::string_view value, const pakko::Schema& schema);
// The expression, one or more lines, that reads one value from `stream`.
void read(Writer& writer, const pakko::Schema& schema);

}  // namespace statements

}  // namespace pakko_gen::scala
