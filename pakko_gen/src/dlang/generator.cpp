#include "pakko_gen/dlang/generator.hpp"

#include "pakko_gen/dlang/code.hpp"
#include "pakko_gen/tag_switch.hpp"
#include "pakko_gen/templates.hpp"
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

}  // namespace

Generator::Generator(std::string_view, std::string_view, Options) {
    files_.add("stream.d", std::string(template_text("dlang/stream.d")));
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

void Generator::add_module(const pakko::Name& name, std::string text) {
    auto stem = NAMES.snake_case(name);
    files_.add("model/" + stem + ".d", std::move(text));
    model_package_ += "public import " + stem + ";\n";
}

void Generator::add_struct(const pakko::Struct& record) {
    Writer writer;
    write_imports(writer);
    write_struct(writer, record, std::nullopt);
    add_module(record.name, std::move(writer).take_text());
}

void Generator::add_one_of(const pakko::Schema::OneOf& one_of) {
    auto base = NAMES.camel_case(one_of.base_name);
    Writer writer;
    write_imports(writer);
    writer.line("abstract class ", base, " {");
    writer.indent();
    writer.line("abstract void writeTo(Stream writer) const;");
    writer.braced("static " + base + " readFrom(Stream reader) {", [&] {
        write_tag_switch(writer, "switch (reader.readInt()) {", one_of, NAMES, "reader",
                         "throw new Exception(\"Unexpected tag value\");");
    });
    for (std::size_t tag = 0; tag < one_of.variants.size(); ++tag) {
        writer.line();
        write_struct(writer, one_of.variants[tag], VariantOf{base, tag});
    }
    writer.unindent();
    writer.line("}");
    add_module(one_of.base_name, std::move(writer).take_text());
}

void Generator::add_enum(const pakko::Schema::Enum& enumeration) {
    Writer writer;
    writer.line("enum ", NAMES.camel_case(enumeration.base_name), " : int {");
    writer.indent();
    for (std::size_t k = 0; k < enumeration.variants.size(); ++k) {
        writer.line(NAMES.camel_case(enumeration.variants[k].name), " = ", std::to_string(k), ",");
    }
    writer.unindent();
    writer.line("}");
    add_module(enumeration.base_name, std::move(writer).take_text());
}

GenResult Generator::result() && {
    if (!model_package_.empty()) files_.add("model/package.d", std::move(model_package_));
    return std::move(files_);
}

}  // namespace pakko_gen::dlang
