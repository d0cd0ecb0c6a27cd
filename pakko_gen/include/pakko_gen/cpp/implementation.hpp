#pragma once
// The implementation blocks of the C++ model: constructors, readers, writers,
// equality and hashing, and the tag dispatcher of a one-of.
#include <optional>
#include <string>
#include <string_view>

#include <pakko/schema.hpp>

#include "pakko_gen/locals.hpp"
#include "pakko_gen/writer.hpp"

namespace pakko_gen::cpp {

// `base` is the base class name of a variant; `schema` decides equality and
// hashing as for write_struct_def.
void write_struct_impl(Writer& writer, const pakko::Schema& schema, const pakko::Struct& record,
                       const std::optional<std::string>& base);

// Reads the base tag and builds the variant it names.
void write_tag_dispatcher(Writer& writer, const pakko::Schema::OneOf& one_of);

namespace statements {

// Statements that read one value of `schema` into the expression `value`.
void assign(Writer& writer, std::string_view value, const pakko::Schema& schema, LoopCounter& loops);
// Statements that write the value of the expression `value`.
void write(Writer& writer, std::string_view value, const pakko::Schema& schema);

}  // namespace statements

}  // namespace pakko_gen::cpp
