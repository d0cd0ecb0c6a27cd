#include "pakko_gen/dlang/generator.hpp"

#include "pakko_gen/dlang/code.hpp"
#include "pakko_gen/field_kinds.hpp"
#include "pakko_gen/tag_switch.hpp"
#include "pakko_gen/variants.hpp"
#include "pakko_gen/writer.hpp"

namespace pakko_gen::dlang {

namespace {

void write_imports(Writer& writer) {
    writer.line("import model;");
    writer.line("import stream;");
    writer.line("import std.conv;");
    writer.line("import std.typecons : Nullable;");
    writer.line();
}

void write_one_of(Writer& writer, const pakko::Schema::OneOf& one_of) {
    auto base = NAMES.camel_case(one_of.base_name);
    writer.braced("abstract class " + base + " {", [&] {
        writer.line("abstract void writeTo(Stream writer) const;");
        writer.braced("static " + base + " readFrom(Stream reader) {", [&] {
            write_tag_switch(writer, "switch (reader.readInt()) {", one_of, NAMES, "readFrom(reader)",
                             "throw new Exception(\"Unexpected tag value\");");
        });
        write_variants(writer, base, one_of, write_struct);
    });
}

void write_enum(Writer& writer, const pakko::Schema::Enum& enumeration) {
    writer.braced("enum " + NAMES.camel_case(enumeration.base_name) + " : int {", [&] {
        for (std::size_t k = 0; k < enumeration.variants.size(); ++k) {
            writer.line(NAMES.camel_case(enumeration.variants[k].name), " = ", std::to_string(k), ",");
        }
    });
}

std::string stem(const pakko::Schema& schema) { return NAMES.snake_case(*declared_name(schema)); }

std::string module_path(const pakko::Schema& schema) { return "model/" + stem(schema) + ".d"; }

std::string index_line(const pakko::Schema& schema) { return "public import " + stem(schema) + ";\n"; }

void write_module(Writer& writer, const pakko::Schema& schema, std::string_view) {
    visit_declared(
        schema,
        [&](const pakko::Struct& record) {
            write_imports(writer);
            write_struct(writer, record, std::nullopt);
        },
        [&](const pakko::Schema::OneOf& one_of) {
            write_imports(writer);
            write_one_of(writer, one_of);
        },
        [&](const pakko::Schema::Enum& enumeration) { write_enum(writer, enumeration); });
}

}  // namespace

const ModuleLanguage MODEL{"stream.d",  "dlang/stream.d", "model/package.d", false,
                           module_path, index_line,       write_module};

}  // namespace pakko_gen::dlang
