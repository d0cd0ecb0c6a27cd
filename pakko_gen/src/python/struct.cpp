#include "pakko_gen/python/generator.hpp"

namespace pakko_gen::python {

namespace {

std::string joined_fields(const pakko::Struct& record, std::string_view separator) {
    std::string result;
    for (const auto& field : record.fields) {
        if (!result.empty()) result += separator;
        result += NAMES.snake_case(field.name);
    }
    return result;
}

void write_constructor(Writer& writer, const pakko::Struct& record) {
    std::string parameters;
    for (const auto& field : record.fields) parameters += ", " + NAMES.snake_case(field.name);
    writer.line("def __init__(self", parameters, "):");
    for (const auto& field : record.fields) {
        auto name = NAMES.snake_case(field.name);
        writer.line("    self.", name, " = ", name);
    }
    if (record.fields.empty()) writer.line("    pass");
}

void write_reader(Writer& writer, const pakko::Struct& record, const std::string& type) {
    writer.line("@staticmethod");
    writer.line("def read_from(stream):");
    writer.indent();
    for (const auto& field : record.fields) statements::assign(writer, NAMES.snake_case(field.name), *field.schema);
    writer.line("return ", type, "(", joined_fields(record, ", "), ")");
    writer.unindent();
}

void write_writer(Writer& writer, const pakko::Struct& record, bool variant) {
    writer.line("def write_to(self, stream):");
    writer.indent();
    if (variant) {
        writer.line("stream.write_int(self.TAG)");
    } else if (record.fields.empty() && !record.magic) {
        writer.line("pass");
    }
    if (record.magic) writer.line("stream.write_int(", std::to_string(*record.magic), ")");
    for (const auto& field : record.fields) {
        statements::write(writer, "self." + NAMES.snake_case(field.name), *field.schema);
    }
    writer.unindent();
}

void write_repr(Writer& writer, const pakko::Struct& record, const std::string& type) {
    writer.line("def __repr__(self):");
    writer.indent();
    writer.line("return \"", type, "(\" + \\");
    for (std::size_t i = 0; i < record.fields.size(); ++i) {
        bool last = i + 1 == record.fields.size();
        writer.line("    repr(self.", NAMES.snake_case(record.fields[i].name), ")", last ? "" : " + \",\"", " + \\");
    }
    writer.line("    \")\"");
}

}  // namespace

void write_struct(Writer& writer, const pakko::Struct& record, const std::optional<pakko::Name>& base,
                  std::size_t tag) {
    auto type = NAMES.camel_case(record.name);
    for (const auto& field : record.fields) statements::add_imports(writer, *field.schema);
    writer.line("class ", type, base ? "(" + NAMES.camel_case(*base) + ")" : "", ":");
    writer.indent();
    if (base) writer.line("TAG = ", std::to_string(tag));
    write_constructor(writer, record);
    write_reader(writer, record, type);
    write_writer(writer, record, base.has_value());
    write_repr(writer, record, type);
    // The text form leaves the method and the class in one step.
    writer.unindent();
    writer.unindent();
    if (base) writer.line(NAMES.camel_case(*base), ".", type, " = ", type);
}

}  // namespace pakko_gen::python
