#include "pakko_gen/ruby/generator.hpp"

namespace pakko_gen::ruby {

namespace {

std::string joined_fields(const pakko::Struct& record) {
    std::string result;
    for (const auto& field : record.fields) {
        if (!result.empty()) result += ", ";
        result += NAMES.snake_case(field.name);
    }
    return result;
}

}  // namespace

void write_struct(Writer& writer, const pakko::Struct& record, const std::optional<pakko::Name>& base,
                  std::size_t tag) {
    auto type = NAMES.camel_case(record.name);
    writer.line("class ", type);
    writer.indent();
    if (base) writer.line("TAG = ", std::to_string(tag));
    for (const auto& field : record.fields) writer.line("attr_accessor :", NAMES.snake_case(field.name));
    writer.line("def initialize(", joined_fields(record), ")");
    for (const auto& field : record.fields) {
        auto name = NAMES.snake_case(field.name);
        writer.line("    @", name, " = ", name);
    }
    writer.line("end");

    writer.line("def self.read_from(stream)");
    writer.indent();
    for (const auto& field : record.fields) statements::assign(writer, NAMES.snake_case(field.name), *field.schema);
    writer.line(type, ".new(", joined_fields(record), ")");
    writer.unindent();
    writer.line("end");

    writer.line("def write_to(stream)");
    writer.indent();
    if (base) writer.line("stream.write_int(TAG)");
    if (record.magic) writer.line("stream.write_int(", std::to_string(*record.magic), ")");
    for (const auto& field : record.fields) {
        statements::write(writer, "@" + NAMES.snake_case(field.name), *field.schema);
    }
    writer.unindent();
    writer.line("end");
    writer.unindent();
    writer.line("end");
}

}  // namespace pakko_gen::ruby
