#include "pakko_gen/csharp/generator.hpp"
#include "pakko_gen/result_fields.hpp"

namespace pakko_gen::csharp {

namespace {

void write_constructor(Writer& writer, const std::string& name, const pakko::Struct& record) {
    std::string parameters;
    for (const auto& field : record.fields) {
        if (!parameters.empty()) parameters += ", ";
        parameters += type_name(*field.schema) + " " + NAMES.mixed_case(field.name);
    }
    writer.line("public ", name, "(", parameters, ")");
    writer.line("{");
    for (const auto& field : record.fields) {
        writer.line("    this.", NAMES.camel_case(field.name), " = ", NAMES.mixed_case(field.name), ";");
    }
    writer.line("}");
}

void write_reader(Writer& writer, const std::string& name, const pakko::Struct& record, bool variant) {
    writer.line("public static ", variant ? "new " : "", name, " ReadFrom(System.IO.BinaryReader reader)");
    writer.line("{");
    writer.indent();
    writer.line("var result = new ", name, "();");
    assign_result_fields(writer, record, NAMES, &NameStyle::camel_case, statements::assign);
    writer.line("return result;");
    writer.unindent();
    writer.line("}");
}

void write_writer(Writer& writer, const pakko::Struct& record, bool variant) {
    writer.line("public ", variant ? "override " : "", "void WriteTo(System.IO.BinaryWriter writer)");
    writer.line("{");
    writer.indent();
    if (variant) writer.line("writer.Write(TAG);");
    if (record.magic) writer.line("writer.Write(", std::to_string(*record.magic), ");");
    for (const auto& field : record.fields) statements::write(writer, NAMES.camel_case(field.name), *field.schema);
    writer.unindent();
    writer.line("}");
}

}  // namespace

void write_struct(Writer& writer, const pakko::Struct& record, const std::optional<pakko::Name>& base,
                  std::size_t tag) {
    auto name = NAMES.camel_case(record.name);
    if (base) {
        writer.line("public class ", name, " : ", NAMES.camel_case(*base));
    } else {
        writer.line("public struct ", name);
    }
    writer.line("{");
    writer.indent();
    if (base) writer.line("public const int TAG = ", std::to_string(tag), ";");
    for (const auto& field : record.fields) {
        writer.line("public ", type_name(*field.schema), " ", NAMES.camel_case(field.name), " { get; set; }");
    }
    if (base) writer.line("public ", name, "() {}");
    if (!record.fields.empty()) write_constructor(writer, name, record);
    write_reader(writer, name, record, base.has_value());
    write_writer(writer, record, base.has_value());
    writer.unindent();
    writer.line("}");
}

}  // namespace pakko_gen::csharp
