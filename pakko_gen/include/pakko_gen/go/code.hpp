#pragma once
// Go names and types of schemas, and the code of one record: its type,
// constructor, reader and writer.
#include <optional>
#include <string>
#include <string_view>

#include <pakko/schema.hpp>

#include "pakko_gen/generator.hpp"
#include "pakko_gen/locals.hpp"
#include "pakko_gen/names.hpp"
#include "pakko_gen/writer.hpp"

namespace pakko_gen::go {

inline constexpr NameStyle NAMES{renames::NONE};

// The Go type that holds a value of the schema; a one-of is its interface.
std::string type_name(const pakko::Schema& schema);

void write_struct(Writer& writer, const pakko::Struct& record, const std::optional<VariantOf>& variant_of);

namespace statements {

// Statements that read one value of `schema` from `reader` into `target`.
void assign(Writer& writer, std::string_view target, const pakko::Schema& schema, LoopCounter& loops);
// Statements that write the value of `value` to `writer`.
void write(Writer& writer, std::string_view value, const pakko::Schema& schema);

}  // namespace statements

}  // namespace pakko_gen::go
