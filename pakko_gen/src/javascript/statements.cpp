#include <string>

#include <pakko/overloaded.hpp>

#include "pakko_gen/javascript/generator.hpp"
#include "pakko_gen/entry_locals.hpp"
#include "pakko_gen/field_kinds.hpp"

namespace pakko_gen::javascript::statements {

namespace {

using S = pakko::Schema;

// "int" gives "Int": the stream helper's methods are readInt, writeInt and so on.
std::string method_word(const pakko::Schema& schema) {
    std::string word(primitive_word(schema));
    word[0] = static_cast<char>(word[0] - 'a' + 'A');
    return word;
}

void open_count_loop(Writer& writer, LoopCounter& loops) {
    auto i = loops.next();
    writer.line("for (let ", i, " = await stream.readSize(); ", i, " > 0; ", i, "--) {");
    writer.indent();
}

void assign_option(Writer& writer, const std::string& t, const S::Option& option, LoopCounter& loops) {
    writer.if_else("if (await stream.readBool()) {", [&] { assign(writer, t, *option.inner, loops); }, "} else {",
                   [&] { writer.line(t, " = null;"); });
}

void assign_vec(Writer& writer, const std::string& t, const S::Vec& vec, LoopCounter& loops) {
    writer.line(t, " = [];");
    open_count_loop(writer, loops);
    writer.line("let ", t, "Element;");
    assign(writer, t + "Element", *vec.element, loops);
    writer.line(t, ".push(", t, "Element);");
    writer.unindent();
    writer.line("}");
}

void assign_map(Writer& writer, const std::string& t, const S::Map& map, LoopCounter& loops) {
    writer.line(t, " = new Map();");
    open_count_loop(writer, loops);
    writer.line("let ", t, "Key;");
    writer.line("let ", t, "Value;");
    assign(writer, t + "Key", *map.key, loops);
    assign(writer, t + "Value", *map.value, loops);
    writer.line(t, ".set(", t, "Key, ", t, "Value);");
    writer.unindent();
    writer.line("}");
}

void write_option(Writer& writer, const std::string& v, const S::Option& option) {
    writer.if_else("if (" + v + " === null) {", [&] { writer.line("await stream.writeBool(false);"); }, "} else {",
                   [&] {
                       writer.line("await stream.writeBool(true);");
                       write(writer, v, *option.inner);
                   });
}

void write_vec(Writer& writer, const std::string& v, const S::Vec& vec) {
    writer.line("await stream.writeInt(", v, ".length);");
    writer.line("for (let ", v, "Element of ", v, ") {");
    writer.indent();
    write(writer, v + "Element", *vec.element);
    writer.unindent();
    writer.line("}");
}

void write_map(Writer& writer, const std::string& v, const S::Map& map) {
    writer.line("await stream.writeInt(", v, ".size);");
    writer.braced("for (let " + v + "Entry of " + v + ") {",
                  [&] { write_entry_locals(writer, v, {"let ", "[0]"}, {"let ", "[1]"}, map, write); });
}

}  // namespace

void assign(Writer& writer, std::string_view target, const pakko::Schema& schema, LoopCounter& loops) {
    std::string t(target);
    auto read_named = [&] { writer.line(t, " = await ", NAMES.type_name(schema), ".readFrom(stream);"); };
    std::visit(pakko::Overloaded{
                   [&](const pakko::Struct&) { read_named(); },
                   [&](const S::OneOf&) { read_named(); },
                   [&](const S::Enum&) { writer.line(t, " = await stream.readInt();"); },
                   [&](const S::Option& option) { assign_option(writer, t, option, loops); },
                   [&](const S::Vec& vec) { assign_vec(writer, t, vec, loops); },
                   [&](const S::Map& map) { assign_map(writer, t, map, loops); },
                   [&](const auto&) { writer.line(t, " = await stream.read", method_word(schema), "();"); },
               },
               schema.value);
}

void write(Writer& writer, std::string_view value, const pakko::Schema& schema) {
    std::string v(value);
    std::visit(pakko::Overloaded{
                   [&](const pakko::Struct&) { writer.line("await ", v, ".writeTo(stream);"); },
                   [&](const S::OneOf&) { writer.line("await ", v, ".writeTo(stream);"); },
                   [&](const S::Enum&) { writer.line("await stream.writeInt(", v, ");"); },
                   [&](const S::Option& option) { write_option(writer, v, option); },
                   [&](const S::Vec& vec) { write_vec(writer, v, vec); },
                   [&](const S::Map& map) { write_map(writer, v, map); },
                   [&](const auto&) { writer.line("await stream.write", method_word(schema), "(", v, ");"); },
               },
               schema.value);
}

}  // namespace pakko_gen::javascript::statements
