#pragma once
// Readers that fill a new `result` one field after another.
#include <string>
#include <string_view>

#include <pakko/names.hpp>
#include <pakko/schema.hpp>

#include "pakko_gen/locals.hpp"
#include "pakko_gen/names.hpp"
#include "pakko_gen/writer.hpp"

namespace pakko_gen {

using AssignValue = void (*)(Writer& writer, std::string_view target, const pakko::Schema& schema, LoopCounter& loops);
using FieldCase = std::string (NameStyle::*)(const pakko::Name& name) const;

// The statements of `assign` that read each field of `record` into "result."
// and the field's name in `field_case` of `names`; every field's reader
// names its loops afresh.
void assign_result_fields(Writer& writer, const pakko::Struct& record, const NameStyle& names, FieldCase field_case,
                          AssignValue assign);

}  // namespace pakko_gen
