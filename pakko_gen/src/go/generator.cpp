#include "pakko_gen/go/generator.hpp"

#include <algorithm>
#include <vector>

#include "pakko_gen/field_kinds.hpp"
#include "pakko_gen/go/code.hpp"
#include "pakko_gen/variants.hpp"
#include "pakko_gen/writer.hpp"

namespace pakko_gen::go {

namespace {

// Go rejects an unused import, so the stream import is left out of a record
// whose reader and writer only call other records' functions.
bool needs_stream(const pakko::Struct& record) {
    return record.magic || std::ranges::any_of(record.fields, [](const pakko::Field& field) {
               return !field.schema->get_if<pakko::Struct>() && !field.schema->get_if<pakko::Schema::OneOf>();
           });
}

void write_head(Writer& writer, const std::string& module_path, bool stream) {
    writer.line("package model");
    writer.line();
    writer.line("import \"io\"");
    if (stream) writer.line("import . \"", module_path, "/stream\"");
    writer.line();
}

// The reader function of a one-of or enumeration: a switch over the tags,
// returning `values[tag]`. A one-of's case lines sit one level deeper than
// its switch, an enumeration's at the switch's own level.
void write_tag_reader(Writer& writer, const std::string& type, const std::vector<std::string>& values,
                      bool cases_deeper) {
    writer.braced("func Read" + type + "(reader io.Reader) " + type + " {", [&] {
        writer.line("switch ReadInt32(reader) {");
        if (cases_deeper) writer.indent();
        for (std::size_t tag = 0; tag < values.size(); ++tag) {
            writer.line("case ", std::to_string(tag), ":");
            writer.line("    return ", values[tag]);
        }
        if (cases_deeper) writer.unindent();
        writer.line("}");
        writer.line("panic(\"Unexpected tag value\")");
    });
}

void write_struct_module(Writer& writer, const pakko::Struct& record, const std::string& module_path) {
    write_head(writer, module_path, needs_stream(record));
    write_struct(writer, record, std::nullopt);
}

void write_one_of(Writer& writer, const pakko::Schema::OneOf& one_of, const std::string& module_path) {
    auto base = NAMES.camel_case(one_of.base_name);
    write_head(writer, module_path, true);
    writer.line("type ", base, " interface {");
    writer.line("    Write(writer io.Writer)");
    writer.line("}");
    std::vector<std::string> readers;
    for (const auto& variant : one_of.variants)
        readers.push_back("Read" + base + NAMES.camel_case(variant.name) + "(reader)");
    write_tag_reader(writer, base, readers, true);
    write_variants(writer, base, one_of, write_struct);
}

void write_enum(Writer& writer, const pakko::Schema::Enum& enumeration, const std::string& module_path) {
    auto name = NAMES.camel_case(enumeration.base_name);
    write_head(writer, module_path, true);
    writer.line("type ", name, " int32");
    std::vector<std::string> constants;
    for (const auto& variant : enumeration.variants) constants.push_back(name + NAMES.camel_case(variant.name));
    writer.line("const (");
    writer.indent();
    for (std::size_t k = 0; k < constants.size(); ++k) writer.line(constants[k], " ", name, " = ", std::to_string(k));
    writer.unindent();
    writer.line(")");
    write_tag_reader(writer, name, constants, false);
}

std::string module_file(const pakko::Schema& schema) {
    return "model/" + NAMES.snake_case(*declared_name(schema)) + ".go";
}

// `project` is the module path under which the model imports the stream
// package, kept as given.
void write_module(Writer& writer, const pakko::Schema& schema, std::string_view project) {
    const std::string module_path(project);
    visit_declared(
        schema, [&](const pakko::Struct& record) { write_struct_module(writer, record, module_path); },
        [&](const pakko::Schema::OneOf& one_of) { write_one_of(writer, one_of, module_path); },
        [&](const pakko::Schema::Enum& enumeration) { write_enum(writer, enumeration, module_path); });
}

}  // namespace

const ModuleLanguage MODEL{"stream/stream.go", "go/stream/stream.go", "", false, module_file, nullptr, write_module};

}  // namespace pakko_gen::go
