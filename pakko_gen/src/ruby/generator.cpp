#include "pakko_gen/ruby/generator.hpp"

namespace pakko_gen::ruby {

namespace {

void write_enum(Writer& writer, const pakko::Schema::Enum& enumeration) {
    writer.line("module ", NAMES.camel_case(enumeration.base_name));
    writer.indent();
    for (std::size_t k = 0; k < enumeration.variants.size(); ++k) {
        writer.line(NAMES.shouty_snake_case(enumeration.variants[k].name), " = ", std::to_string(k));
    }
    writer.unindent();
    writer.line("end");
}

void write_one_of(Writer& writer, const pakko::Schema::OneOf& one_of) {
    for (const auto& variant : one_of.variants) {
        for (const auto& field : variant.fields) statements::add_for_field(writer, *field.schema);
    }
    auto base = NAMES.camel_case(one_of.base_name);
    writer.line("class ", base);
    writer.indent();
    writer.line("def self.read_from(stream)");
    writer.indent();
    writer.line("tag = stream.read_int()");
    for (const auto& variant : one_of.variants) {
        auto name = base + "::" + NAMES.camel_case(variant.name);
        writer.line("if tag == ", name, "::TAG");
        writer.line("    return ", name, ".read_from(stream)");
        writer.line("end");
    }
    writer.line("raise \"Unexpected tag value\"");
    writer.unindent();
    writer.line("end");
    writer.line();
    for (std::size_t tag = 0; tag < one_of.variants.size(); ++tag) {
        write_struct(writer, one_of.variants[tag], one_of.base_name, tag);
    }
    writer.unindent();
    writer.line("end");
}

std::string file_name(const pakko::Schema& schema) { return NAMES.snake_case(*declared_name(schema)); }

}  // namespace

std::string Model::module_path(const pakko::Schema& schema) { return "model/" + file_name(schema) + ".rb"; }

std::string Model::index_line(const pakko::Schema& schema) {
    return "require_relative 'model/" + file_name(schema) + "'\n";
}

void Model::write_module(Writer& writer, const pakko::Schema& schema, std::string_view) {
    if (const auto* record = schema.get_if<pakko::Struct>()) {
        for (const auto& field : record->fields) statements::add_for_field(writer, *field.schema);
        write_struct(writer, *record, std::nullopt, 0);
    } else if (const auto* one_of = schema.get_if<pakko::Schema::OneOf>()) {
        write_one_of(writer, *one_of);
    } else if (const auto* enumeration = schema.get_if<pakko::Schema::Enum>()) {
        write_enum(writer, *enumeration);
    }
}

}  // namespace pakko_gen::ruby
