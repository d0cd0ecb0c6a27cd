#include "pakko_gen/dlang/code.hpp"

#include <pakko/overloaded.hpp>

#include "pakko_gen/field_kinds.hpp"
#include "pakko_gen/result_fields.hpp"

namespace pakko_gen::dlang {

std::string type_name(const pakko::Schema& schema) {
    using S = pakko::Schema;
    if (auto word = primitive_word(schema); !word.empty()) return std::string(word);
    return std::visit(pakko::Overloaded{
                          [](const S::Option& option) { return "Nullable!(" + type_name(*option.inner) + ")"; },
                          [](const S::Vec& vec) { return type_name(*vec.element) + "[]"; },
                          [](const S::Map& map) { return type_name(*map.value) + "[" + type_name(*map.key) + "]"; },
                          [&](const auto&) { return NAMES.type_name(schema); },
                      },
                      schema.value);
}

namespace {

void write_constructor(Writer& writer, const pakko::Struct& record) {
    std::string parameters;
    for (const auto& field : record.fields) {
        if (!parameters.empty()) parameters += ", ";
        parameters += type_name(*field.schema) + " " + NAMES.mixed_case(field.name);
    }
    writer.line("this(", parameters, ") {");
    for (const auto& field : record.fields) {
        auto name = NAMES.mixed_case(field.name);
        writer.line("    this.", name, " = ", name, ";");
    }
    writer.line("}");
}

void write_reader(Writer& writer, const pakko::Struct& record, const std::string& name, bool variant) {
    writer.braced("static " + name + " readFrom(Stream reader) {", [&] {
        writer.line("auto result = ", variant ? "new " : "", name, "();");
        assign_result_fields(writer, record, NAMES, &NameStyle::mixed_case, statements::assign);
        writer.line("return result;");
    });
}

void write_writer(Writer& writer, const pakko::Struct& record, bool variant) {
    writer.braced(std::string(variant ? "override " : "") + "void writeTo(Stream writer) const {", [&] {
        if (variant) writer.line("writer.write(TAG);");
        if (record.magic) writer.line("writer.write(", std::to_string(*record.magic), ");");
        for (const auto& field : record.fields) statements::write(writer, NAMES.mixed_case(field.name), *field.schema);
    });
}

void write_to_string(Writer& writer, const pakko::Struct& record, const std::string& name, bool variant) {
    writer.braced(std::string(variant ? "override " : "") + "string toString() const {", [&] {
        writer.line("return \"", name, "\" ~ \"(\" ~");
        writer.indent();
        for (const auto& field : record.fields) writer.line("to!string(", NAMES.mixed_case(field.name), ") ~");
        writer.line("\")\";");
        writer.unindent();
    });
}

}  // namespace

void write_struct(Writer& writer, const pakko::Struct& record, const std::optional<VariantOf>& variant_of) {
    auto name = NAMES.camel_case(record.name);
    if (variant_of) {
        writer.line("static class ", name, " : ", variant_of->base, " {");
    } else {
        writer.line("struct ", name, " {");
    }
    writer.indent();
    if (variant_of) writer.line("static const int TAG = ", std::to_string(variant_of->tag), ";");
    for (const auto& field : record.fields) writer.line(type_name(*field.schema), " ", NAMES.mixed_case(field.name), ";");
    if (variant_of) writer.line("this() {}");
    if (!record.fields.empty()) write_constructor(writer, record);
    write_reader(writer, record, name, variant_of.has_value());
    write_writer(writer, record, variant_of.has_value());
    write_to_string(writer, record, name, variant_of.has_value());
    writer.unindent();
    writer.line("}");
}

}  // namespace pakko_gen::dlang
