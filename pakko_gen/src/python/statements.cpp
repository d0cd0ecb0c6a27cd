#include <string>

#include "pakko_gen/field_kinds.hpp"
#include "pakko_gen/snake_stream.hpp"
#include "pakko_gen/python/generator.hpp"

namespace pakko_gen::python::statements {

namespace {

using S = pakko::Schema;

void assign_option(Writer& writer, const std::string& t, const S::Option& option) {
    writer.line("if stream.read_bool():");
    writer.indent();
    assign(writer, t, *option.inner);
    writer.unindent();
    writer.line("else:");
    writer.line("    ", t, " = None");
}

void assign_vec(Writer& writer, const std::string& t, const S::Vec& vec) {
    writer.line(t, " = []");
    writer.line("for _ in range(stream.read_int()):");
    writer.indent();
    assign(writer, t + "_element", *vec.element);
    writer.line(t, ".append(", t, "_element)");
    writer.unindent();
}

void assign_map(Writer& writer, const std::string& t, const S::Map& map) {
    writer.line(t, " = {}");
    writer.line("for _ in range(stream.read_int()):");
    writer.indent();
    assign(writer, t + "_key", *map.key);
    assign(writer, t + "_value", *map.value);
    writer.line(t, "[", t, "_key] = ", t, "_value");
    writer.unindent();
}

void write_option(Writer& writer, const std::string& v, const S::Option& option) {
    writer.line("if ", v, " is None:");
    writer.line("    stream.write_bool(False)");
    writer.line("else:");
    writer.indent();
    writer.line("stream.write_bool(True)");
    write(writer, v, *option.inner);
    writer.unindent();
}

void write_vec(Writer& writer, const std::string& v, const S::Vec& vec) {
    writer.line("stream.write_int(len(", v, "))");
    writer.line("for element in ", v, ":");
    writer.indent();
    write(writer, "element", *vec.element);
    writer.unindent();
}

void write_map(Writer& writer, const std::string& v, const S::Map& map) {
    writer.line("stream.write_int(len(", v, "))");
    writer.line("for key, value in ", v, ".items():");
    writer.indent();
    write(writer, "key", *map.key);
    write(writer, "value", *map.value);
    writer.unindent();
}

}  // namespace

void add_imports(Writer& writer, const pakko::Schema& schema) {
    for_each_named(schema, [&](const pakko::Schema& named) {
        const auto& name = *declared_name(named);
        writer.line("from .", NAMES.snake_case(name), " import ", NAMES.camel_case(name));
    });
}

void assign(Writer& writer, std::string_view target, const pakko::Schema& schema) {
    if (snake_stream::assign_plain(writer, target, schema, NAMES)) return;
    std::string t(target);
    auto on_option = [&](const S::Option& option) { assign_option(writer, t, option); };
    auto on_vec = [&](const S::Vec& vec) { assign_vec(writer, t, vec); };
    auto on_map = [&](const S::Map& map) { assign_map(writer, t, map); };
    if (visit_container(schema, on_option, on_vec, on_map)) return;
    if (schema.get_if<S::Enum>() != nullptr) {
        writer.line(t, " = ", NAMES.type_name(schema), "(stream.read_int())");
    }
}

void write(Writer& writer, std::string_view value, const pakko::Schema& schema) {
    if (snake_stream::write_plain(writer, value, schema)) return;
    std::string v(value);
    visit_container(
        schema, [&](const S::Option& option) { write_option(writer, v, option); },
        [&](const S::Vec& vec) { write_vec(writer, v, vec); }, [&](const S::Map& map) { write_map(writer, v, map); });
}

}  // namespace pakko_gen::python::statements
