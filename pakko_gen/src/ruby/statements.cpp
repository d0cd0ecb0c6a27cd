#include <string>

#include "pakko_gen/field_kinds.hpp"
#include "pakko_gen/ruby/generator.hpp"
#include "pakko_gen/snake_stream.hpp"

namespace pakko_gen::ruby::statements {

namespace {

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
    static constexpr std::string_view REPEAT = "stream.read_int().times do |_|";
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

}  // namespace

void add_for_field(Writer& writer, const pakko::Schema& schema) {
    for_each_named(schema, [&](const pakko::Schema& named) {
        writer.line("require_relative '", NAMES.snake_case(*declared_name(named)), "'");
    });
}

void assign(Writer& writer, std::string_view target, const pakko::Schema& schema) {
    snake_stream::assign<Ruby>(writer, target, schema);
}

void write(Writer& writer, std::string_view value, const pakko::Schema& schema) {
    snake_stream::write<Ruby>(writer, value, schema);
}

}  // namespace pakko_gen::ruby::statements
