#include <string>

#include "pakko_gen/field_kinds.hpp"
#include "pakko_gen/python/generator.hpp"
#include "pakko_gen/snake_stream.hpp"

namespace pakko_gen::python::statements {

namespace {

struct Python {
    static constexpr const NameStyle& NAMES = python::NAMES;
    static constexpr std::string_view COLON = ":";
    static constexpr std::string_view END = "";
    static constexpr std::string_view NONE = "None";
    static constexpr std::string_view FALSE = "False";
    static constexpr std::string_view TRUE = "True";
    static constexpr std::string_view IS_NONE = " is None";
    static constexpr std::string_view EMPTY_MAP = "{}";
    static constexpr std::string_view APPEND = "append";
    static constexpr std::string_view REPEAT = "for _ in range(stream.read_int()):";
    static constexpr std::string_view ITEMS = ".items()";

    static std::string length(std::string_view value) { return "len(" + std::string(value) + ")"; }

    static std::string each(std::string_view items, std::string_view names) {
        return "for " + std::string(names) + " in " + std::string(items) + ":";
    }

    static void read_enum(Writer& writer, const std::string& target, const pakko::Schema& schema) {
        writer.line(target, " = ", NAMES.type_name(schema), "(stream.read_int())");
    }
};

}  // namespace

void add_imports(Writer& writer, const pakko::Schema& schema) {
    for_each_named(schema, [&](const pakko::Schema& named) {
        const auto& name = *declared_name(named);
        writer.line("from .", NAMES.snake_case(name), " import ", NAMES.camel_case(name));
    });
}

void assign(Writer& writer, std::string_view target, const pakko::Schema& schema) {
    snake_stream::assign<Python>(writer, target, schema);
}

void write(Writer& writer, std::string_view value, const pakko::Schema& schema) {
    snake_stream::write<Python>(writer, value, schema);
}

}  // namespace pakko_gen::python::statements
