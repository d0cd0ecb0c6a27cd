#include "pakko_gen/python/generator.hpp"

#include <string>

#include "pakko_gen/field_kinds.hpp"
#include "pakko_gen/snake_stream.hpp"

namespace pakko_gen::python {

namespace {

// The words of Python in the readers and writers it shares with Ruby.
struct Python {
    static constexpr const NameStyle& NAMES = python::NAMES;
    static constexpr std::string_view COLON = ":";
    static constexpr std::string_view END = "";
    static constexpr std::string_view NONE = "None";
    static constexpr std::string_view FALSE = "False";
    static constexpr std::string_view TRUE = "True";
    static constexpr std::string_view IS_NONE = " is None";
    static constexpr std::string_view EMPTY_MAP = "{}";
    static constexpr std::string_view APPEND = "append";
    static constexpr std::string_view REPEAT = "for _ in range(stream.read_size()):";
    static constexpr std::string_view ITEMS = ".items()";

    static std::string length(std::string_view value) { return "len(" + std::string(value) + ")"; }

    static std::string each(std::string_view items, std::string_view names) {
        return "for " + std::string(names) + " in " + std::string(items) + ":";
    }

    static void read_enum(Writer& writer, const std::string& target, const pakko::Schema& schema) {
        writer.line(target, " = ", NAMES.type_name(schema), "(stream.read_int())");
    }
};

// The import lines one field's schema needs, repeats included.
void add_imports(Writer& writer, const pakko::Schema& schema) {
    for_each_named(schema, [&](const pakko::Schema& named) {
        const auto& name = *declared_name(named);
        writer.line("from .", NAMES.snake_case(name), " import ", NAMES.camel_case(name));
    });
}

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
    for (const auto& field : record.fields) snake_stream::assign<Python>(writer, NAMES.snake_case(field.name), *field.schema);
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
        snake_stream::write<Python>(writer, "self." + NAMES.snake_case(field.name), *field.schema);
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
    for (const auto& field : record.fields) add_imports(writer, *field.schema);
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
