#include "pakko_gen/ruby/generator.hpp"

#include <string>

#include "pakko_gen/field_kinds.hpp"
#include "pakko_gen/snake_stream.hpp"

namespace pakko_gen::ruby {

namespace {

// The words of Ruby in the readers and writers it shares with Python.
struct Ruby {
    static constexpr const NameStyle& NAMES = ruby::NAMES;
    static constexpr std::string_view COLON = "";
    static constexpr std::string_view END = "end";
    static constexpr std::string_view NONE = "nil";
    static constexpr std::string_view FALSE = "false";
    static constexpr std::string_view TRUE = "true";
    static constexpr std::string_view IS_NONE = ".nil?";
    static constexpr std::string_view EMPTY_MAP = "Hash.new";
    static constexpr std::string_view APPEND = "push";
    static constexpr std::string_view REPEAT = "stream.read_size().times do |_|";
    static constexpr std::string_view ITEMS = "";

    static std::string length(std::string_view value) { return std::string(value) + ".length()"; }

    static std::string each(std::string_view items, std::string_view names) {
        return std::string(items) + ".each do |" + std::string(names) + "|";
    }

    // An empty enumeration gets the bound -1 and so rejects every value.
    static void read_enum(Writer& writer, const std::string& t, const pakko::Schema& schema) {
        const auto& enumeration = *schema.get_if<pakko::Schema::Enum>();
        auto last = static_cast<long long>(enumeration.variants.size()) - 1;
        writer.line(t, " = stream.read_int()");
        writer.line("if ", t, " < 0 || ", t, " > ", std::to_string(last));
        writer.line("    raise \"Unexpected tag value\"");
        writer.line("end");
    }
};

std::string joined_fields(const pakko::Struct& record) {
    std::string result;
    for (const auto& field : record.fields) {
        if (!result.empty()) result += ", ";
        result += NAMES.snake_case(field.name);
    }
    return result;
}

}  // namespace

void write_requires(Writer& writer, const pakko::Struct& record) {
    for (const auto& field : record.fields) {
        for_each_named(*field.schema, [&](const pakko::Schema& named) {
            writer.line("require_relative '", NAMES.snake_case(*declared_name(named)), "'");
        });
    }
}

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
    for (const auto& field : record.fields) snake_stream::assign<Ruby>(writer, NAMES.snake_case(field.name), *field.schema);
    writer.line(type, ".new(", joined_fields(record), ")");
    writer.unindent();
    writer.line("end");

    writer.line("def write_to(stream)");
    writer.indent();
    if (base) writer.line("stream.write_int(TAG)");
    if (record.magic) writer.line("stream.write_int(", std::to_string(*record.magic), ")");
    for (const auto& field : record.fields) {
        snake_stream::write<Ruby>(writer, "@" + NAMES.snake_case(field.name), *field.schema);
    }
    writer.unindent();
    writer.line("end");
    writer.unindent();
    writer.line("end");
}

}  // namespace pakko_gen::ruby
