#pragma once
// The variants of a one-of, written as records of their base type by the
// languages that nest them there or place them after it.
#include <optional>
#include <string>

#include <pakko/schema.hpp>

#include "pakko_gen/generator.hpp"
#include "pakko_gen/writer.hpp"

namespace pakko_gen {

using WriteStruct = void (*)(Writer& writer, const pakko::Struct& record, const std::optional<VariantOf>& variant_of);

// Each variant of the one-of after an empty line, as a record of `base`.
void write_variants(Writer& writer, const std::string& base, const pakko::Schema::OneOf& one_of,
                    WriteStruct write_struct);

}  // namespace pakko_gen
