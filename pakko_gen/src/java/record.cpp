#include <string>

#include "pakko_gen/java/names.hpp"
#include "pakko_gen/java/statements.hpp"
#include "pakko_gen/result_fields.hpp"

namespace pakko_gen::java {

namespace {

void write_accessors(Writer& writer, const pakko::Field& field) {
    auto type = type_name(*field.schema);
    auto member = NAMES.mixed_case(field.name);
    auto accessor = NAMES.camel_case(field.name);
    const char* getter = field.schema->get_if<pakko::Schema::Bool>() ? "is" : "get";
    writer.line("private ", type, " ", member, ";");
    writer.line("public ", type, " ", getter, accessor, "() { return ", member, "; }");
    writer.line("public void set", accessor, "(", type, " ", member, ") { this.", member, " = ", member, "; }");
}

void write_constructors(Writer& writer, const std::string& name, const pakko::Struct& record) {
    writer.line("public ", name, "() {}");
    if (record.fields.empty()) return;
    auto parameters = join_fields(record, [](const pakko::Field& field) {
        return type_name(*field.schema) + " " + NAMES.mixed_case(field.name);
    });
    writer.line("public ", name, "(", parameters, ") {");
    for (const auto& field : record.fields) {
        auto member = NAMES.mixed_case(field.name);
        writer.line("    this.", member, " = ", member, ";");
    }
    writer.line("}");
}

}  // namespace

void write_struct(Writer& writer, const pakko::Struct& record, const std::optional<VariantOf>& variant_of) {
    auto name = NAMES.camel_case(record.name);
    if (variant_of) {
        writer.line("public static class ", name, " extends ", variant_of->base, " {");
    } else {
        writer.line("public class ", name, " {");
    }
    writer.indent();
    if (variant_of) writer.line("public static final int TAG = ", std::to_string(variant_of->tag), ";");
    for (const auto& field : record.fields) write_accessors(writer, field);
    write_constructors(writer, name, record);

    writer.line("public static ", name, " readFrom(java.io.InputStream stream) throws java.io.IOException {");
    writer.indent();
    writer.line(name, " result = new ", name, "();");
    assign_result_fields(writer, record, NAMES, &NameStyle::mixed_case, statements::assign);
    writer.line("return result;");
    writer.unindent();
    writer.line("}");

    if (variant_of) writer.line("@Override");
    writer.line("public void writeTo(java.io.OutputStream stream) throws java.io.IOException {");
    writer.indent();
    if (variant_of) writer.line("StreamUtil.writeInt(stream, TAG);");
    if (record.magic) writer.line("StreamUtil.writeInt(stream, ", std::to_string(*record.magic), ");");
    for (const auto& field : record.fields) statements::write(writer, NAMES.mixed_case(field.name), *field.schema);
    writer.unindent();
    writer.line("}");
    writer.unindent();
    writer.line("}");
}

}  // namespace pakko_gen::java
