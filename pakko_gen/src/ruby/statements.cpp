#include <string>

#include "pakko_gen/field_kinds.hpp"
#include "pakko_gen/snake_stream.hpp"
#include "pakko_gen/ruby/generator.hpp"

namespace pakko_gen::ruby::statements {

namespace {

using S = pakko::Schema;

void assign_option(Writer& writer, const std::string& t, const S::Option& option) {
    writer.line("if stream.read_bool()");
    writer.indent();
    assign(writer, t, *option.inner);
    writer.unindent();
    writer.line("else");
    writer.line("    ", t, " = nil");
    writer.line("end");
}

// An empty enumeration gets the bound -1 and so rejects every value.
void assign_enum(Writer& writer, const std::string& t, const S::Enum& enumeration) {
    auto last = static_cast<long long>(enumeration.variants.size()) - 1;
    writer.line(t, " = stream.read_int()");
    writer.line("if ", t, " < 0 || ", t, " > ", std::to_string(last));
    writer.line("    raise \"Unexpected tag value\"");
    writer.line("end");
}

void assign_vec(Writer& writer, const std::string& t, const S::Vec& vec) {
    writer.line(t, " = []");
    writer.line("stream.read_int().times do |_|");
    writer.indent();
    assign(writer, t + "_element", *vec.element);
    writer.line(t, ".push(", t, "_element)");
    writer.unindent();
    writer.line("end");
}

void assign_map(Writer& writer, const std::string& t, const S::Map& map) {
    writer.line(t, " = Hash.new");
    writer.line("stream.read_int().times do |_|");
    writer.indent();
    assign(writer, t + "_key", *map.key);
    assign(writer, t + "_value", *map.value);
    writer.line(t, "[", t, "_key] = ", t, "_value");
    writer.unindent();
    writer.line("end");
}

void write_option(Writer& writer, const std::string& v, const S::Option& option) {
    writer.line("if ", v, ".nil?");
    writer.line("    stream.write_bool(false)");
    writer.line("else");
    writer.indent();
    writer.line("stream.write_bool(true)");
    write(writer, v, *option.inner);
    writer.unindent();
    writer.line("end");
}

void write_vec(Writer& writer, const std::string& v, const S::Vec& vec) {
    writer.line("stream.write_int(", v, ".length())");
    writer.line(v, ".each do |element|");
    writer.indent();
    write(writer, "element", *vec.element);
    writer.unindent();
    writer.line("end");
}

void write_map(Writer& writer, const std::string& v, const S::Map& map) {
    writer.line("stream.write_int(", v, ".length())");
    writer.line(v, ".each do |key, value|");
    writer.indent();
    write(writer, "key", *map.key);
    write(writer, "value", *map.value);
    writer.unindent();
    writer.line("end");
}

}  // namespace

void add_for_field(Writer& writer, const pakko::Schema& schema) {
    for_each_named(schema, [&](const pakko::Schema& named) {
        writer.line("require_relative '", NAMES.snake_case(*declared_name(named)), "'");
    });
}

void assign(Writer& writer, std::string_view target, const pakko::Schema& schema) {
    if (snake_stream::assign_plain(writer, target, schema, NAMES)) return;
    std::string t(target);
    auto on_option = [&](const S::Option& option) { assign_option(writer, t, option); };
    auto on_vec = [&](const S::Vec& vec) { assign_vec(writer, t, vec); };
    auto on_map = [&](const S::Map& map) { assign_map(writer, t, map); };
    if (visit_container(schema, on_option, on_vec, on_map)) return;
    if (const auto* enumeration = schema.get_if<S::Enum>()) {
        assign_enum(writer, t, *enumeration);
    }
}

void write(Writer& writer, std::string_view value, const pakko::Schema& schema) {
    if (snake_stream::write_plain(writer, value, schema)) return;
    std::string v(value);
    visit_container(
        schema, [&](const S::Option& option) { write_option(writer, v, option); },
        [&](const S::Vec& vec) { write_vec(writer, v, vec); }, [&](const S::Map& map) { write_map(writer, v, map); });
}

}  // namespace pakko_gen::ruby::statements
