#include "pakko_gen/fsharp/generator.hpp"

namespace pakko_gen::fsharp {

void write_struct(Writer& writer, const pakko::Struct& record, const std::optional<pakko::Name>& base,
                  std::size_t tag) {
    auto name = base ? NAMES.camel_case(*base) + NAMES.camel_case(record.name) : NAMES.camel_case(record.name);
    if (record.fields.empty()) {
        writer.line("type ", name, " = struct end with");
        writer.indent();
    } else {
        writer.line("type ", name, " = {");
        writer.indent();
        for (const auto& field : record.fields) {
            writer.line(NAMES.camel_case(field.name), ": ", type_name(*field.schema), ";");
        }
        writer.line("} with");
    }
    writer.line("member this.writeTo(writer: System.IO.BinaryWriter) =");
    writer.indent();
    if (base) writer.line("writer.Write ", std::to_string(tag));
    if (record.magic) writer.line("writer.Write ", std::to_string(*record.magic));
    // A writer with nothing to write still needs a body.
    if (!base && !record.magic && record.fields.empty()) writer.line("()");
    if (record.fields.empty()) {
        writer.unindent();
        writer.line("static member readFrom(reader: System.IO.BinaryReader) = new ", name, "()");
        writer.unindent();
        return;
    }
    for (const auto& field : record.fields) statements::write(writer, "this." + NAMES.camel_case(field.name), *field.schema);
    writer.unindent();
    writer.line("static member readFrom(reader: System.IO.BinaryReader) = {");
    writer.indent();
    for (const auto& field : record.fields) {
        writer.write_str(NAMES.camel_case(field.name) + " = ");
        statements::read(writer, *field.schema);
    }
    writer.unindent();
    writer.line("}");
    writer.unindent();
}

}  // namespace pakko_gen::fsharp
