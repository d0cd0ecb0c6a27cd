#pragma once
// The record types, and the statements that read and write Java values.
#include <optional>
#include <string>
#include <string_view>

#include <pakko/schema.hpp>

#include "pakko_gen/locals.hpp"
#include "pakko_gen/model_generator.hpp"
#include "pakko_gen/writer.hpp"

namespace pakko_gen::java {

// A record: top-level, or a variant nested in its one-of.
void write_struct(Writer& writer, const pakko::Struct& record, const std::optional<VariantOf>& variant_of);

namespace statements {

// Statements that read one value of `schema` from `stream` into the target expression.
void assign(Writer& writer, std::string_view target, const pakko::Schema& schema, LoopCounter& loops);
// Statements that write the value of the expression to `stream`.
void write(Writer& writer, std::string_view value, const pakko::Schema& schema);

}  // namespace statements

}  // namespace pakko_gen::java
