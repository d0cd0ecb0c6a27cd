#include "pakko_gen/cpp/implementation.hpp"
#include "pakko_gen/cpp/names.hpp"
#include "pakko_gen/result_fields.hpp"

namespace pakko_gen::cpp {

namespace {

void write_constructors(Writer& writer, const std::string& full_name, const std::string& name,
                        const pakko::Struct& record) {
    writer.line(full_name, "::", name, "() { }");
    if (record.fields.empty()) return;
    std::string initialisers;
    for (const auto& field : record.fields) {
        if (!initialisers.empty()) initialisers += ", ";
        auto member = NAMES.mixed_case(field.name);
        initialisers += member + "(" + member + ")";
    }
    writer.line(full_name, "::", name, "(", parameter_list(record), ") : ", initialisers, " { }");
}

void write_reader(Writer& writer, const std::string& full_name, const pakko::Struct& record) {
    writer.line(full_name, " ", full_name, "::readFrom(InputStream& stream) {");
    writer.indent();
    writer.line(full_name, " result;");
    assign_result_fields(writer, record, NAMES, &NameStyle::mixed_case, statements::assign);
    writer.line("return result;");
    writer.unindent();
    writer.line("}");
}

void write_writer(Writer& writer, const std::string& full_name, const pakko::Struct& record, bool variant) {
    writer.line("void ", full_name, "::writeTo(OutputStream& stream) const {");
    writer.indent();
    if (variant) writer.line("stream.write(TAG);");
    if (record.magic) writer.line("stream.write(", std::to_string(*record.magic), ");");
    for (const auto& field : record.fields) statements::write(writer, NAMES.mixed_case(field.name), *field.schema);
    writer.unindent();
    writer.line("}");
}

void write_equality_and_hash(Writer& writer, const std::string& full_name, const pakko::Struct& record) {
    writer.line("bool ", full_name, "::operator ==(const ", full_name, "& other) const {");
    std::string compared;
    for (const auto& field : record.fields) {
        auto member = NAMES.mixed_case(field.name);
        compared += (compared.empty() ? "" : " && ") + member + " == other." + member;
    }
    // A record without fields equals every other one of its type.
    if (compared.empty()) compared = "true";
    writer.line("    return ", compared, ";");
    writer.line("}");
    writer.line("size_t std::hash<", full_name, ">::operator ()(const ", full_name, "& value) const {");
    writer.indent();
    writer.line("size_t result = 0;");
    for (const auto& field : record.fields) {
        writer.line("result ^= std::hash<", type_name(*field.schema), ">{}(value.", NAMES.mixed_case(field.name),
                    ") + 0x9e3779b9 + (result<<6) + (result>>2);");
    }
    writer.line("return result;");
    writer.unindent();
    writer.line("}");
}

}  // namespace

void write_struct_impl(Writer& writer, const pakko::Schema& schema, const pakko::Struct& record,
                       const std::optional<std::string>& base) {
    auto name = NAMES.camel_case(record.name);
    auto full_name = base ? *base + "::" + name : name;
    write_constructors(writer, full_name, name, record);
    write_reader(writer, full_name, record);
    write_writer(writer, full_name, record, base.has_value());
    if (schema.hashable()) write_equality_and_hash(writer, full_name, record);
}

void write_tag_dispatcher(Writer& writer, const pakko::Schema::OneOf& one_of) {
    auto base = NAMES.camel_case(one_of.base_name);
    writer.line("std::shared_ptr<", base, "> ", base, "::readFrom(InputStream& stream) {");
    writer.indent();
    writer.line("switch (stream.readInt()) {");
    for (std::size_t k = 0; k < one_of.variants.size(); ++k) {
        auto variant = base + "::" + NAMES.camel_case(one_of.variants[k].name);
        writer.line("case ", std::to_string(k), ":");
        writer.line("    return std::shared_ptr<", variant, ">(new ", variant, "(", variant, "::readFrom(stream)));");
    }
    writer.line("default:");
    writer.line("    throw std::runtime_error(\"Unexpected tag value\");");
    writer.line("}");
    writer.unindent();
    writer.line("};");
}

}  // namespace pakko_gen::cpp
