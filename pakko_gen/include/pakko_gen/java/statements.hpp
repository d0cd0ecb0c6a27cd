#pragma once
// The Java record classes and the statements that read and write values.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include <pakko/schema.hpp>

#include "pakko_gen/locals.hpp"
#include "pakko_gen/writer.hpp"

namespace pakko_gen::java {

// A one-of variant's base name (before renames) and tag.
struct VariantOf {
    const pakko::Name& base;
    std::size_t tag;
};

// A record class: top-level, or a static class nested in its one-of's base.
void write_struct(Writer& writer, const pakko::Struct& record, const std::optional<VariantOf>& variant_of);

namespace statements {

// Statements that read one value of `schema` from `stream` into the target expression.
void assign(Writer& writer, std::string_view target, const pakko::Schema& schema, LoopCounter& loops);
// Statements that write the value of the expression to `stream`.
void write(Writer& writer, std::string_view value, const pakko::Schema& schema);

}  // namespace statements

}  // namespace pakko_gen::java
