#include <set>

#include "pakko_gen/field_kinds.hpp"
#include "pakko_gen/javascript/generator.hpp"

namespace pakko_gen::javascript {

namespace {

using S = pakko::Schema;

// Enumeration values are plain numbers: their modules are never required.
void add_imports(Writer& writer, const pakko::Schema& schema, std::set<std::string>& imported) {
    for_each_named(schema, [&](const pakko::Schema& named) {
        if (named.get_if<S::Enum>() != nullptr) return;
        const auto& name = *declared_name(named);
        if (imported.insert(file_name(name)).second) {
            writer.line("const ", NAMES.camel_case(name), " = require('./", file_name(name), "');");
        }
    });
}

std::string joined_fields(const pakko::Struct& record) {
    std::string result;
    for (const auto& field : record.fields) {
        if (!result.empty()) result += ", ";
        result += NAMES.mixed_case(field.name);
    }
    return result;
}

void write_reader(Writer& writer, const pakko::Struct& record, const std::string& type) {
    writer.line("static async readFrom(stream) {");
    writer.indent();
    for (const auto& field : record.fields) {
        auto name = NAMES.mixed_case(field.name);
        writer.line("let ", name, ";");
        LoopCounter loops;
        statements::assign(writer, name, *field.schema, loops);
    }
    writer.line("return new ", type, "(", joined_fields(record), ");");
    writer.unindent();
    writer.line("}");
}

void write_writer(Writer& writer, const pakko::Struct& record, const std::string& type, bool variant) {
    writer.line("async writeTo(stream) {");
    writer.indent();
    if (variant) writer.line("await stream.writeInt(", type, ".TAG);");
    if (record.magic) writer.line("await stream.writeInt(", std::to_string(*record.magic), ");");
    for (const auto& field : record.fields) {
        auto name = NAMES.mixed_case(field.name);
        writer.line("let ", name, " = this.", name, ";");
        statements::write(writer, name, *field.schema);
    }
    writer.unindent();
    writer.line("}");
}

}  // namespace

void write_imports(Writer& writer, const pakko::Schema& schema) {
    std::set<std::string> imported;
    auto add_fields = [&](const pakko::Struct& record) {
        for (const auto& field : record.fields) add_imports(writer, *field.schema, imported);
    };
    if (const auto* record = schema.get_if<pakko::Struct>()) add_fields(*record);
    if (const auto* one_of = schema.get_if<S::OneOf>()) {
        for (const auto& variant : one_of->variants) add_fields(variant);
    }
}

void write_struct(Writer& writer, const pakko::Struct& record, const std::optional<pakko::Name>& base,
                  std::size_t tag) {
    auto type = NAMES.camel_case(record.name);
    writer.line("class ", type, base ? " extends " + NAMES.camel_case(*base) : "", " {");
    writer.indent();
    writer.line("constructor(", joined_fields(record), ") {");
    writer.indent();
    if (base) writer.line("super();");
    for (const auto& field : record.fields) {
        auto name = NAMES.mixed_case(field.name);
        writer.line("this.", name, " = ", name, ";");
    }
    writer.unindent();
    writer.line("}");
    write_reader(writer, record, type);
    write_writer(writer, record, type, base.has_value());
    writer.unindent();
    writer.line("}");
    if (base) {
        writer.line(NAMES.camel_case(*base), ".", type, " = ", type, ";");
        writer.line(type, ".TAG = ", std::to_string(tag), ";");
    }
}

}  // namespace pakko_gen::javascript
