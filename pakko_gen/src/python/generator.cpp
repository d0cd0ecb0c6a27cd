#include "pakko_gen/python/generator.hpp"

#include "pakko_gen/field_kinds.hpp"

namespace pakko_gen::python {

namespace {

void write_enum(Writer& writer, const pakko::Schema::Enum& enumeration) {
    writer.line("from enum import IntEnum");
    writer.line();
    writer.line("class ", NAMES.camel_case(enumeration.base_name), "(IntEnum):");
    writer.indent();
    for (std::size_t k = 0; k < enumeration.variants.size(); ++k) {
        writer.line(NAMES.shouty_snake_case(enumeration.variants[k].name), " = ", std::to_string(k));
    }
    writer.unindent();
}

void write_one_of(Writer& writer, const pakko::Schema::OneOf& one_of) {
    auto base = NAMES.camel_case(one_of.base_name);
    writer.line("class ", base, ":");
    writer.indent();
    writer.line("@staticmethod");
    writer.line("def read_from(stream):");
    writer.indent();
    writer.line("tag = stream.read_int()");
    for (const auto& variant : one_of.variants) {
        auto name = NAMES.camel_case(variant.name);
        writer.line("if tag == ", name, ".TAG:");
        writer.line("    return ", base, ".", name, ".read_from(stream)");
    }
    writer.line("raise Exception(\"Unexpected tag value\")");
    writer.unindent();
    writer.unindent();
    writer.line();
    for (std::size_t tag = 0; tag < one_of.variants.size(); ++tag) {
        write_struct(writer, one_of.variants[tag], one_of.base_name, tag);
    }
}

std::string module_name(const pakko::Schema& schema) { return NAMES.snake_case(*declared_name(schema)); }

std::string module_path(const pakko::Schema& schema) { return "model/" + module_name(schema) + ".py"; }

std::string index_line(const pakko::Schema& schema) {
    return "from ." + module_name(schema) + " import " + NAMES.type_name(schema) + "\n";
}

void write_module(Writer& writer, const pakko::Schema& schema, std::string_view) {
    visit_declared(
        schema, [&](const pakko::Struct& record) { write_struct(writer, record, std::nullopt, 0); },
        [&](const pakko::Schema::OneOf& one_of) { write_one_of(writer, one_of); },
        [&](const pakko::Schema::Enum& enumeration) { write_enum(writer, enumeration); });
}

}  // namespace

const ModuleLanguage MODEL{
    "stream_wrapper.py", "python/stream_wrapper.py", "model/__init__.py", false, module_path, index_line, write_module};

}  // namespace pakko_gen::python
