#include "pakko_gen/cpp/declarations.hpp"
#include "pakko_gen/cpp/names.hpp"

namespace pakko_gen::cpp {

namespace {

void write_hash_declaration(Writer& writer, const std::string& full_name) {
    writer.line("namespace std {");
    writer.indent();
    writer.line("template<>");
    writer.line("struct hash<", full_name, "> {");
    writer.line("    size_t operator ()(const ", full_name, "& value) const;");
    writer.line("};");
    writer.unindent();
    writer.line("}");
}

}  // namespace

void write_struct_def(Writer& writer, const pakko::Schema& schema, const pakko::Struct& record,
                      const std::optional<VariantOf>& variant_of) {
    auto name = NAMES.camel_case(record.name);
    auto full_name = name;
    if (variant_of) {
        full_name = variant_of->base + "::" + name;
        writer.line("class ", full_name, " : public ", variant_of->base, " {");
        writer.line("public:");
        writer.indent();
        writer.line("static const int TAG = ", std::to_string(variant_of->tag), ";");
        writer.unindent();
    } else {
        writer.line("class ", name, " {");
    }
    writer.line("public:");
    writer.indent();
    for (const auto& field : record.fields) {
        writer.line(type_name(*field.schema), " ", NAMES.mixed_case(field.name), ";");
    }
    writer.line(name, "();");
    if (!record.fields.empty()) writer.line(name, "(", parameter_list(record), ");");
    writer.line("static ", name, " readFrom(InputStream& stream);");
    writer.line("void writeTo(OutputStream& stream) const", variant_of ? " override" : "", ";");
    if (schema.hashable()) writer.line("bool operator ==(const ", name, "& other) const;");
    writer.unindent();
    writer.line("};");
    if (schema.hashable()) write_hash_declaration(writer, full_name);
}

}  // namespace pakko_gen::cpp
