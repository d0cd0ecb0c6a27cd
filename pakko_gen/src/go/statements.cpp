#include <string>

#include <pakko/overloaded.hpp>

#include "pakko_gen/go/code.hpp"

namespace pakko_gen::go::statements {

namespace {

using S = pakko::Schema;

void assign_option(Writer& writer, const std::string& t, const S::Option& option, LoopCounter& loops) {
    auto b = std::string(var_name(t));
    writer.if_else(
        "if ReadBool(reader) {",
        [&] {
            writer.line("var ", b, "Value ", type_name(*option.inner));
            assign(writer, b + "Value", *option.inner, loops);
            writer.line(t, " = &", b, "Value");
        },
        "} else {", [&] { writer.line(t, " = nil"); });
}

void assign_vec(Writer& writer, const std::string& t, const pakko::Schema& schema, const S::Vec& vec,
                LoopCounter& loops) {
    // The slice grows as its elements are read: room made for a count that no
    // writer sent could exhaust the memory before the input ends.
    writer.line(t, " = make(", type_name(schema), ", 0)");
    auto n = loops.next();
    writer.braced("for " + n + ", " + n + "Count := int32(0), ReadSize(reader); " + n + " < " + n + "Count; " + n + "++ {",
                  [&] {
                      writer.line(t, " = append(", t, ", *new(", type_name(*vec.element), "))");
                      assign(writer, t + "[" + n + "]", *vec.element, loops);
                  });
}

void assign_map(Writer& writer, const std::string& t, const pakko::Schema& schema, const S::Map& map,
                LoopCounter& loops) {
    auto b = std::string(var_name(t));
    writer.line(b, "Size := ReadSize(reader)");
    writer.line(t, " = make(", type_name(schema), ")");
    auto n = loops.next();
    writer.braced("for " + n + " := int32(0); " + n + " < " + b + "Size; " + n + "++ {", [&] {
        writer.line("var ", b, "Key ", type_name(*map.key));
        assign(writer, b + "Key", *map.key, loops);
        writer.line("var ", b, "Value ", type_name(*map.value));
        assign(writer, b + "Value", *map.value, loops);
        writer.line(t, "[", b, "Key] = ", b, "Value");
    });
}

void write_option(Writer& writer, const std::string& e, const S::Option& option) {
    writer.if_else("if " + e + " == nil {", [&] { writer.line("WriteBool(writer, false)"); }, "} else {", [&] {
        writer.line("WriteBool(writer, true)");
        write(writer, "(*" + e + ")", *option.inner);
    });
}

void write_vec(Writer& writer, const std::string& e, const S::Vec& vec) {
    auto b = std::string(var_name(e));
    writer.line("WriteInt32(writer, int32(len(", e, ")))");
    writer.braced("for _, " + b + "Element := range " + e + " {", [&] { write(writer, b + "Element", *vec.element); });
}

void write_map(Writer& writer, const std::string& e, const S::Map& map) {
    auto b = std::string(var_name(e));
    writer.line("WriteInt32(writer, int32(len(", e, ")))");
    writer.braced("for " + b + "Key, " + b + "Value := range " + e + " {", [&] {
        write(writer, b + "Key", *map.key);
        write(writer, b + "Value", *map.value);
    });
}

}  // namespace

void assign(Writer& writer, std::string_view target, const pakko::Schema& schema, LoopCounter& loops) {
    std::string t(target);
    auto read = [&](const std::string& what) { writer.line(t, " = Read", what, "(reader)"); };
    std::visit(pakko::Overloaded{
                   [&](const S::Bool&) { read("Bool"); },
                   [&](const S::Int32&) { read("Int32"); },
                   [&](const S::Int64&) { read("Int64"); },
                   [&](const S::Float32&) { read("Float32"); },
                   [&](const S::Float64&) { read("Float64"); },
                   [&](const S::String&) { read("String"); },
                   [&](const S::Option& option) { assign_option(writer, t, option, loops); },
                   [&](const S::Vec& vec) { assign_vec(writer, t, schema, vec, loops); },
                   [&](const S::Map& map) { assign_map(writer, t, schema, map, loops); },
                   // A record, one-of or enumeration has a reader function of its own.
                   [&](const auto&) { read(type_name(schema)); },
               },
               schema.value);
}

void write(Writer& writer, std::string_view value, const pakko::Schema& schema) {
    std::string e(value);
    auto write_with = [&](const char* what) { writer.line("Write", what, "(writer, ", e, ")"); };
    std::visit(pakko::Overloaded{
                   [&](const S::Bool&) { write_with("Bool"); },
                   [&](const S::Int32&) { write_with("Int32"); },
                   [&](const S::Int64&) { write_with("Int64"); },
                   [&](const S::Float32&) { write_with("Float32"); },
                   [&](const S::Float64&) { write_with("Float64"); },
                   [&](const S::String&) { write_with("String"); },
                   [&](const S::Enum&) { writer.line("WriteInt32(writer, int32(", e, "))"); },
                   [&](const S::Option& option) { write_option(writer, e, option); },
                   [&](const S::Vec& vec) { write_vec(writer, e, vec); },
                   [&](const S::Map& map) { write_map(writer, e, map); },
                   // A record, or a one-of's variant, which writes its tag first.
                   [&](const auto&) { writer.line(e, ".Write(writer)"); },
               },
               schema.value);
}

}  // namespace pakko_gen::go::statements
