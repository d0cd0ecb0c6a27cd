#include <string>

#include "pakko_gen/scala/names.hpp"
#include "pakko_gen/scala/statements.hpp"

namespace pakko_gen::scala {

void write_struct(Writer& writer, const pakko::Struct& record, const std::optional<VariantOf>& variant_of) {
    auto name = NAMES.camel_case(record.name);
    auto parameters = join_fields(record, [](const pakko::Field& field) {
        return NAMES.mixed_case(field.name) + ": " + type_name(*field.schema);
    });
    auto extends = variant_of ? " extends " + variant_of->base : std::string();
    writer.line("case class ", name, "(", parameters, ")", extends, " {");
    writer.indent();
    writer.line(variant_of ? "override " : "", "def writeTo(stream: java.io.OutputStream) {");
    writer.indent();
    if (variant_of) writer.line("StreamUtil.writeInt(stream, ", name, ".TAG)");
    if (record.magic) writer.line("StreamUtil.writeInt(stream, ", std::to_string(*record.magic), ")");
    for (const auto& field : record.fields) statements::write(writer, NAMES.mixed_case(field.name), *field.schema);
    writer.unindent();
    writer.line("}");
    writer.unindent();
    writer.line("}");

    writer.line("object ", name, " {");
    writer.indent();
    if (variant_of) writer.line("val TAG: Int = ", std::to_string(variant_of->tag));
    writer.line("def readFrom(stream: java.io.InputStream): ", name, " = ", name, "(");
    writer.indent();
    for (std::size_t i = 0; i < record.fields.size(); ++i) {
        if (i != 0) writer.line(",");
        statements::read(writer, *record.fields[i].schema);
    }
    writer.line(")");
    writer.unindent();
    writer.unindent();
    writer.line("}");
}

}  // namespace pakko_gen::scala
