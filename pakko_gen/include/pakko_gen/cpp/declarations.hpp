#pragma once
// The declarations of the C++ model: include lists and class declarations.
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include <pakko/schema.hpp>

#include "pakko_gen/generator.hpp"
#include "pakko_gen/writer.hpp"

namespace pakko_gen::cpp {

// The include lines of a header: always the stream header and <string>, then
// every type reachable through the schema's fields, at any depth; sorted
// byte-wise, without duplicates.
void write_includes(Writer& writer, const pakko::Schema& schema);

// Adds what `schema` needs (when `own`) and what the types reachable from it need.
void collect_includes(std::vector<std::string>& list, const pakko::Schema& schema, bool own);

// The class declaration of a record, or of a variant when `variant_of` is
// set. `schema` decides equality and hashing: the record's own schema, or the
// one-of's for a variant (which is never hashable).
void write_struct_def(Writer& writer, const pakko::Schema& schema, const pakko::Struct& record,
                      const std::optional<VariantOf>& variant_of);

}  // namespace pakko_gen::cpp
