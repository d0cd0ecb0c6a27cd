#include "pakko_gen/ruby/generator.hpp"

#include "pakko_gen/field_kinds.hpp"

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
    for (const auto& variant : one_of.variants) write_requires(writer, variant);
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

std::string module_path(const pakko::Schema& schema) { return "model/" + file_name(schema) + ".rb"; }

std::string index_line(const pakko::Schema& schema) {
    return "require_relative 'model/" + file_name(schema) + "'\n";
}

void write_module(Writer& writer, const pakko::Schema& schema, std::string_view) {
    visit_declared(
        schema,
        [&](const pakko::Struct& record) {
            write_requires(writer, record);
            write_struct(writer, record, std::nullopt, 0);
        },
        [&](const pakko::Schema::OneOf& one_of) { write_one_of(writer, one_of); },
        [&](const pakko::Schema::Enum& enumeration) { write_enum(writer, enumeration); });
}

}  // namespace

const ModuleLanguage MODEL{"stream_wrapper.rb", "ruby/stream_wrapper.rb", "model.rb", false, module_path, index_line,
                           write_module};

}  // namespace pakko_gen::ruby
