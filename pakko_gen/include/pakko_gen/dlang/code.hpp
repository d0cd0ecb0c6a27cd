#pragma once
// D names and types of schemas, and the code of one record: a struct, or a
// variant class nested in its one-of, with its reader, writer and text form.
#include <optional>
#include <string>
#include <string_view>

#include <pakko/schema.hpp>

#include "pakko_gen/generator.hpp"
#include "pakko_gen/locals.hpp"
#include "pakko_gen/names.hpp"
#include "pakko_gen/writer.hpp"

namespace pakko_gen::dlang {

// Int32 to Int, Int64 to Long, Float32 to Float, Float64 to Double, Params to
// Parameters, anywhere in a name, before its case view.
inline constexpr NameStyle NAMES{renames::CSHARP};

// The D type that holds a value of the schema.
std::string type_name(const pakko::Schema& schema);

// At the writer's current level.
void write_struct(Writer& writer, const pakko::Struct& record, const std::optional<VariantOf>& variant_of);

namespace statements {

// Statements that read one value of `schema` from `reader` into `target`.
void assign(Writer& writer, std::string_view target, const pakko::Schema& schema, LoopCounter& loops);
// Statements that write the value of `value` to `writer`.
void write(Writer& writer, std::string_view value, const pakko::Schema& schema);

}  // namespace statements

}  // namespace pakko_gen::dlang
