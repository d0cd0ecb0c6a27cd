#include <string>

#include "pakko_gen/kotlin/names.hpp"
#include "pakko_gen/kotlin/statements.hpp"
#include "pakko_gen/result_fields.hpp"

namespace pakko_gen::kotlin {

namespace {

std::string parameter_list(const pakko::Struct& record) {
    return join_fields(record, [](const pakko::Field& field) {
        return NAMES.mixed_case(field.name) + ": " + type_name(*field.schema);
    });
}

void write_properties(Writer& writer, const pakko::Struct& record) {
    for (const auto& field : record.fields) {
        auto declaration = "var " + NAMES.mixed_case(field.name) + ": " + type_name(*field.schema);
        if (auto initial = default_value(*field.schema)) {
            writer.line(declaration, " = ", *initial);
        } else {
            writer.line("lateinit ", declaration);
        }
    }
}

void write_constructors(Writer& writer, const pakko::Struct& record) {
    writer.line("constructor() {}");
    if (record.fields.empty()) return;
    writer.line("constructor(", parameter_list(record), ") {");
    for (const auto& field : record.fields) {
        auto member = NAMES.mixed_case(field.name);
        writer.line("    this.", member, " = ", member);
    }
    writer.line("}");
}

}  // namespace

void write_struct(Writer& writer, const pakko::Struct& record, const std::optional<VariantOf>& variant_of) {
    auto name = NAMES.camel_case(record.name);
    if (variant_of) {
        writer.line("class ", name, " : ", variant_of->base, " {");
    } else {
        writer.line("class ", name, " {");
    }
    writer.indent();
    write_properties(writer, record);
    write_constructors(writer, record);

    writer.line("companion object {");
    writer.indent();
    if (variant_of) writer.line("val TAG = ", std::to_string(variant_of->tag));
    writer.line("@Throws(java.io.IOException::class)");
    writer.line("fun readFrom(stream: java.io.InputStream): ", name, " {");
    writer.indent();
    writer.line("val result = ", name, "()");
    assign_result_fields(writer, record, NAMES, &NameStyle::mixed_case, statements::assign);
    writer.line("return result");
    writer.unindent();
    writer.line("}");
    writer.unindent();
    writer.line("}");

    writer.line("@Throws(java.io.IOException::class)");
    writer.line(variant_of ? "override " : "", "fun writeTo(stream: java.io.OutputStream) {");
    writer.indent();
    if (variant_of) writer.line("StreamUtil.writeInt(stream, TAG)");
    if (record.magic) writer.line("StreamUtil.writeInt(stream, ", std::to_string(*record.magic), ")");
    for (const auto& field : record.fields) statements::write(writer, NAMES.mixed_case(field.name), *field.schema);
    writer.unindent();
    writer.line("}");
    writer.unindent();
    writer.line("}");
}

}  // namespace pakko_gen::kotlin
