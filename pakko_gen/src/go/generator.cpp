#include "pakko_gen/go/generator.hpp"

#include <algorithm>
#include <vector>

#include "pakko_gen/go/code.hpp"
#include "pakko_gen/templates.hpp"
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

std::string file_name(const pakko::Name& name) { return "model/" + NAMES.snake_case(name) + ".go"; }

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

}  // namespace

Generator::Generator(std::string_view name, std::string_view, Options) : module_path_(name) {
    files_.add("stream/stream.go", std::string(template_text("go/stream/stream.go")));
}

void Generator::add_only(const pakko::Schema& schema) {
    if (const auto* record = schema.get_if<pakko::Struct>()) {
        add_struct(*record);
    } else if (const auto* one_of = schema.get_if<pakko::Schema::OneOf>()) {
        add_one_of(*one_of);
    } else if (const auto* enumeration = schema.get_if<pakko::Schema::Enum>()) {
        add_enum(*enumeration);
    }
}

void Generator::add_struct(const pakko::Struct& record) {
    Writer writer;
    write_head(writer, module_path_, needs_stream(record));
    write_struct(writer, record, std::nullopt);
    files_.add(file_name(record.name), std::move(writer).take_text());
}

void Generator::add_one_of(const pakko::Schema::OneOf& one_of) {
    auto base = NAMES.camel_case(one_of.base_name);
    Writer writer;
    write_head(writer, module_path_, true);
    writer.line("type ", base, " interface {");
    writer.line("    Write(writer io.Writer)");
    writer.line("}");
    std::vector<std::string> readers;
    for (const auto& variant : one_of.variants) readers.push_back("Read" + base + NAMES.camel_case(variant.name) + "(reader)");
    write_tag_reader(writer, base, readers, true);
    for (std::size_t tag = 0; tag < one_of.variants.size(); ++tag) {
        writer.line();
        write_struct(writer, one_of.variants[tag], VariantOf{base, tag});
    }
    files_.add(file_name(one_of.base_name), std::move(writer).take_text());
}

void Generator::add_enum(const pakko::Schema::Enum& enumeration) {
    auto name = NAMES.camel_case(enumeration.base_name);
    Writer writer;
    write_head(writer, module_path_, true);
    writer.line("type ", name, " int32");
    std::vector<std::string> constants;
    for (const auto& variant : enumeration.variants) constants.push_back(name + NAMES.camel_case(variant.name));
    writer.line("const (");
    writer.indent();
    for (std::size_t k = 0; k < constants.size(); ++k) writer.line(constants[k], " ", name, " = ", std::to_string(k));
    writer.unindent();
    writer.line(")");
    write_tag_reader(writer, name, constants, false);
    files_.add(file_name(enumeration.base_name), std::move(writer).take_text());
}

GenResult Generator::result() && { return std::move(files_); }

}  // namespace pakko_gen::go
