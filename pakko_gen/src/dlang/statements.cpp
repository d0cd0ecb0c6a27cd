#include <string>

#include <pakko/overloaded.hpp>

#include "pakko_gen/dlang/code.hpp"
#include "pakko_gen/entry_locals.hpp"
#include "pakko_gen/tag_switch.hpp"

namespace pakko_gen::dlang::statements {

namespace {

using S = pakko::Schema;

void assign_enum(Writer& writer, const std::string& t, const S::Enum& enumeration) {
    const auto prefix = NAMES.camel_case(enumeration.base_name) + ".";
    write_enum_switch(
        writer, "switch (reader.readInt()) {", t, enumeration,
        [&](const pakko::Name& name) { return prefix + NAMES.camel_case(name); },
        "throw new Exception(\"Unexpected tag value\");");
}

void assign_option(Writer& writer, const std::string& t, const S::Option& option, LoopCounter& loops) {
    writer.if_else("if (reader.readBool()) {", [&] { assign(writer, t, *option.inner, loops); }, "} else {",
                   [&] { writer.line(t, ".nullify();"); });
}

void assign_vec(Writer& writer, const std::string& t, const S::Vec& vec, LoopCounter& loops) {
    // The array grows as its elements are read: room made for a count that no
    // writer sent could exhaust the memory before the input ends.
    writer.line(t, " = [];");
    auto n = loops.next();
    writer.braced("for (int " + n + " = 0, " + n + "Count = reader.readSize(); " + n + " < " + n + "Count; " + n + "++) {",
                  [&] {
                      writer.line(t, ".length += 1;");
                      assign(writer, t + "[" + n + "]", *vec.element, loops);
                  });
}

void assign_map(Writer& writer, const std::string& t, const S::Map& map, LoopCounter& loops) {
    auto b = std::string(var_name(t));
    writer.line("int ", b, "Size = reader.readSize();");
    writer.line(t, ".clear();");
    auto n = loops.next();
    writer.braced("for (int " + n + " = 0; " + n + " < " + b + "Size; " + n + "++) {", [&] {
        read_entry_locals(writer, b, map, type_name, assign, loops);
        writer.line(t, "[", b, "Key] = ", b, "Value;");
    });
}

void write_option(Writer& writer, const std::string& e, const S::Option& option) {
    writer.if_else("if (" + e + ".isNull()) {", [&] { writer.line("writer.write(false);"); }, "} else {", [&] {
        writer.line("writer.write(true);");
        write(writer, e + ".get", *option.inner);
    });
}

void write_vec(Writer& writer, const std::string& e, const S::Vec& vec) {
    auto b = std::string(var_name(e));
    writer.line("writer.write(cast(int)(", e, ".length));");
    writer.braced("foreach (" + b + "Element; " + e + ") {", [&] { write(writer, b + "Element", *vec.element); });
}

void write_map(Writer& writer, const std::string& e, const S::Map& map) {
    auto b = std::string(var_name(e));
    writer.line("writer.write(cast(int)(", e, ".length));");
    writer.braced("foreach (" + b + "Key, " + b + "Value; " + e + ") {", [&] {
        write(writer, b + "Key", *map.key);
        write(writer, b + "Value", *map.value);
    });
}

}  // namespace

void assign(Writer& writer, std::string_view target, const pakko::Schema& schema, LoopCounter& loops) {
    std::string t(target);
    auto read = [&](const char* reader) { writer.line(t, " = reader.", reader, "();"); };
    std::visit(pakko::Overloaded{
                   [&](const S::Bool&) { read("readBool"); },
                   [&](const S::Int32&) { read("readInt"); },
                   [&](const S::Int64&) { read("readLong"); },
                   [&](const S::Float32&) { read("readFloat"); },
                   [&](const S::Float64&) { read("readDouble"); },
                   [&](const S::String&) { read("readString"); },
                   [&](const S::Enum& enumeration) { assign_enum(writer, t, enumeration); },
                   [&](const S::Option& option) { assign_option(writer, t, option, loops); },
                   [&](const S::Vec& vec) { assign_vec(writer, t, vec, loops); },
                   [&](const S::Map& map) { assign_map(writer, t, map, loops); },
                   // A record or one-of reads itself.
                   [&](const auto&) { writer.line(t, " = ", type_name(schema), ".readFrom(reader);"); },
               },
               schema.value);
}

void write(Writer& writer, std::string_view value, const pakko::Schema& schema) {
    std::string e(value);
    std::visit(pakko::Overloaded{
                   [&](const pakko::Struct&) { writer.line(e, ".writeTo(writer);"); },
                   [&](const S::OneOf&) { writer.line(e, ".writeTo(writer);"); },
                   [&](const S::Enum&) { writer.line("writer.write(cast(int)(", e, "));"); },
                   [&](const S::Option& option) { write_option(writer, e, option); },
                   [&](const S::Vec& vec) { write_vec(writer, e, vec); },
                   [&](const S::Map& map) { write_map(writer, e, map); },
                   [&](const auto&) { writer.line("writer.write(", e, ");"); },
               },
               schema.value);
}

}  // namespace pakko_gen::dlang::statements
