#include "pakko_gen/result_fields.hpp"

namespace pakko_gen {

void assign_result_fields(Writer& writer, const pakko::Struct& record, const NameStyle& names, FieldCase field_case,
                          AssignValue assign) {
    for (const auto& field : record.fields) {
        LoopCounter loops;
        assign(writer, "result." + (names.*field_case)(field.name), *field.schema, loops);
    }
}

}  // namespace pakko_gen
