#include <string>

#include "pakko_gen/cpp/implementation.hpp"
#include "pakko_gen/cpp/names.hpp"
#include "pakko_gen/entry_locals.hpp"
#include <pakko/overloaded.hpp>

namespace pakko_gen::cpp::statements {

namespace {

using S = pakko::Schema;

void assign_option(Writer& writer, const std::string& v, const S::Option& option, LoopCounter& loops) {
    auto inner = type_name(*option.inner);
    writer.line("if (stream.readBool()) {");
    writer.indent();
    writer.line(v, " = std::shared_ptr<", inner, ">(new ", inner, "());");
    assign(writer, "*" + v, *option.inner, loops);
    writer.unindent();
    writer.line("} else {");
    writer.line("    ", v, " = std::shared_ptr<", inner, ">();");
    writer.line("}");
}

// Counts go through readSize, which rejects a negative one. Containers grow
// as their elements are read: room made for a count that no writer sent
// could exhaust the memory before the input ends.
void assign_vec(Writer& writer, const std::string& v, const S::Vec& vec, LoopCounter& loops) {
    writer.line(v, " = std::vector<", type_name(*vec.element), ">();");
    auto i = loops.next();
    writer.line("for (size_t ", i, " = 0, ", i, "Count = stream.readSize(); ", i, " < ", i, "Count; ", i, "++) {");
    writer.indent();
    writer.line(v, ".emplace_back();");
    assign(writer, v + "[" + i + "]", *vec.element, loops);
    writer.unindent();
    writer.line("}");
}

void assign_map(Writer& writer, const std::string& v, const S::Map& map, LoopCounter& loops) {
    auto n = std::string(var_name(v));
    auto key_type = type_name(*map.key);
    auto value_type = type_name(*map.value);
    writer.line("size_t ", n, "Size = stream.readSize();");
    writer.line(v, " = std::unordered_map<", key_type, ", ", value_type, ">();");
    auto i = loops.next();
    writer.line("for (size_t ", i, " = 0; ", i, " < ", n, "Size; ", i, "++) {");
    writer.indent();
    read_entry_locals(writer, n, map, type_name, assign, loops);
    writer.line(v, ".emplace(std::make_pair(", n, "Key, ", n, "Value));");
    writer.unindent();
    writer.line("}");
}

void assign_enum(Writer& writer, const std::string& v, const S::Enum& enumeration) {
    auto name = NAMES.camel_case(enumeration.base_name);
    writer.line("switch (stream.readInt()) {");
    for (std::size_t k = 0; k < enumeration.variants.size(); ++k) {
        writer.line("case ", std::to_string(k), ":");
        writer.line("    ", v, " = ", name, "::", NAMES.shouty_snake_case(enumeration.variants[k].name), ";");
        writer.line("    break;");
    }
    writer.line("default:");
    writer.line("    throw std::runtime_error(\"Unexpected tag value\");");
    writer.line("}");
}

void write_option(Writer& writer, const std::string& v, const S::Option& option) {
    writer.line("if (", v, ") {");
    writer.indent();
    writer.line("stream.write(true);");
    write(writer, "(*" + v + ")", *option.inner);
    writer.unindent();
    writer.line("} else {");
    writer.line("    stream.write(false);");
    writer.line("}");
}

void write_vec(Writer& writer, const std::string& v, const S::Vec& vec) {
    auto n = std::string(var_name(v));
    writer.line("stream.write((int)(", v, ".size()));");
    writer.line("for (const ", type_name(*vec.element), "& ", n, "Element : ", v, ") {");
    writer.indent();
    write(writer, n + "Element", *vec.element);
    writer.unindent();
    writer.line("}");
}

void write_map(Writer& writer, const std::string& v, const S::Map& map) {
    auto n = std::string(var_name(v));
    writer.line("stream.write((int)(", v, ".size()));");
    writer.line("for (const auto& ", n, "Entry : ", v, ") {");
    writer.indent();
    write(writer, n + "Entry.first", *map.key);
    write(writer, n + "Entry.second", *map.value);
    writer.unindent();
    writer.line("}");
}

}  // namespace

void assign(Writer& writer, std::string_view value, const pakko::Schema& schema, LoopCounter& loops) {
    std::string v(value);
    auto read = [&](const char* reader) { writer.line(v, " = stream.", reader, "();"); };
    auto read_named = [&] { writer.line(v, " = ", class_name(schema), "::readFrom(stream);"); };
    std::visit(pakko::Overloaded{
                   [&](const S::Bool&) { read("readBool"); },
                   [&](const S::Int32&) { read("readInt"); },
                   [&](const S::Int64&) { read("readLongLong"); },
                   [&](const S::Float32&) { read("readFloat"); },
                   [&](const S::Float64&) { read("readDouble"); },
                   [&](const S::String&) { read("readString"); },
                   [&](const pakko::Struct&) { read_named(); },
                   [&](const S::OneOf&) { read_named(); },
                   [&](const S::Option& option) { assign_option(writer, v, option, loops); },
                   [&](const S::Vec& vec) { assign_vec(writer, v, vec, loops); },
                   [&](const S::Map& map) { assign_map(writer, v, map, loops); },
                   [&](const S::Enum& enumeration) { assign_enum(writer, v, enumeration); },
               },
               schema.value);
}

void write(Writer& writer, std::string_view value, const pakko::Schema& schema) {
    std::string v(value);
    std::visit(pakko::Overloaded{
                   [&](const pakko::Struct&) { writer.line(v, ".writeTo(stream);"); },
                   [&](const S::OneOf&) { writer.line(v, "->writeTo(stream);"); },
                   [&](const S::Enum&) { writer.line("stream.write((int)(", v, "));"); },
                   [&](const S::Option& option) { write_option(writer, v, option); },
                   [&](const S::Vec& vec) { write_vec(writer, v, vec); },
                   [&](const S::Map& map) { write_map(writer, v, map); },
                   [&](const auto&) { writer.line("stream.write(", v, ");"); },
               },
               schema.value);
}

}  // namespace pakko_gen::cpp::statements
