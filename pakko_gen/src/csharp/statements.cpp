#include <string>

#include <pakko/overloaded.hpp>

#include "pakko_gen/csharp/generator.hpp"
#include "pakko_gen/entry_locals.hpp"
#include "pakko_gen/tag_switch.hpp"

namespace pakko_gen::csharp::statements {

namespace {

using S = pakko::Schema;

void assign_enum(Writer& writer, const std::string& t, const S::Enum& enumeration) {
    const auto prefix = "Model." + NAMES.camel_case(enumeration.base_name) + ".";
    // C# opens the switch's block on a line of its own.
    write_enum_switch(
        writer, "switch (reader.ReadInt32())\n{", t, enumeration,
        [&](const pakko::Name& name) { return prefix + NAMES.camel_case(name); },
        "throw new System.Exception(\"Unexpected tag value\");");
}

void assign_option(Writer& writer, const std::string& t, const S::Option& option, LoopCounter& loops) {
    writer.if_else("if (StreamUtil.ReadBool(reader))\n{", [&] { assign(writer, t, *option.inner, loops); }, "} else\n{",
                   [&] { writer.line(t, " = null;"); });
}

void assign_vec(Writer& writer, const std::string& t, const S::Vec& vec, LoopCounter& loops) {
    writer.line(t, " = new ", type_name_prearray(*vec.element), "[StreamUtil.ReadSize(reader)]", type_post_array(*vec.element),
                ";");
    auto i = loops.next();
    writer.line("for (int ", i, " = 0; ", i, " < ", t, ".Length; ", i, "++)");
    writer.line("{");
    writer.indent();
    assign(writer, t + "[" + i + "]", *vec.element, loops);
    writer.unindent();
    writer.line("}");
}

void assign_map(Writer& writer, const std::string& t, const S::Map& map, LoopCounter& loops) {
    auto v = std::string(var_name(t));
    auto key_type = type_name(*map.key);
    auto value_type = type_name(*map.value);
    writer.line("int ", v, "Size = StreamUtil.ReadSize(reader);");
    // No capacity from the count: the map grows as its entries are read.
    writer.line(t, " = new System.Collections.Generic.Dictionary<", key_type, ", ", value_type, ">();");
    auto i = loops.next();
    writer.line("for (int ", i, " = 0; ", i, " < ", v, "Size; ", i, "++)");
    writer.line("{");
    writer.indent();
    read_entry_locals(writer, v, map, type_name, assign, loops);
    writer.line(t, ".Add(", v, "Key, ", v, "Value);");
    writer.unindent();
    writer.line("}");
}

void write_string(Writer& writer, const std::string& x) {
    auto data = std::string(var_name(x)) + "Data";
    writer.line("var ", data, " = System.Text.Encoding.UTF8.GetBytes(", x, ");");
    writer.line("writer.Write(", data, ".Length);");
    writer.line("writer.Write(", data, ");");
}

void write_option(Writer& writer, const std::string& x, const S::Option& option) {
    const bool nullable = value_kind(*option.inner);
    writer.if_else("if (" + (nullable ? "!" + x + ".HasValue" : x + " == null") + ")\n{",
                   [&] { writer.line("writer.Write(false);"); }, "} else\n{",
                   [&] {
                       writer.line("writer.Write(true);");
                       write(writer, nullable ? x + ".Value" : x, *option.inner);
                   });
}

void write_vec(Writer& writer, const std::string& x, const S::Vec& vec) {
    auto element = std::string(var_name(x)) + "Element";
    writer.line("writer.Write(", x, ".Length);");
    writer.line("foreach (var ", element, " in ", x, ")");
    writer.line("{");
    writer.indent();
    write(writer, element, *vec.element);
    writer.unindent();
    writer.line("}");
}

void write_map(Writer& writer, const std::string& x, const S::Map& map) {
    auto v = std::string(var_name(x));
    writer.line("writer.Write(", x, ".Count);");
    writer.braced("foreach (var " + v + "Entry in " + x + ")\n{",
                  [&] { write_entry_locals(writer, v, {"var ", ".Key"}, {"var ", ".Value"}, map, write); });
}

}  // namespace

void assign(Writer& writer, std::string_view target, const pakko::Schema& schema, LoopCounter& loops) {
    std::string t(target);
    auto read = [&](const char* method) { writer.line(t, " = reader.", method, "();"); };
    // Values that a reader's own method would take on trust.
    auto read_checked = [&](const char* method) { writer.line(t, " = StreamUtil.", method, "(reader);"); };
    auto read_named = [&] { writer.line(t, " = Model.", NAMES.type_name(schema), ".ReadFrom(reader);"); };
    std::visit(pakko::Overloaded{
                   [&](const S::Bool&) { read_checked("ReadBool"); },
                   [&](const S::Int32&) { read("ReadInt32"); },
                   [&](const S::Int64&) { read("ReadInt64"); },
                   [&](const S::Float32&) { read("ReadSingle"); },
                   [&](const S::Float64&) { read("ReadDouble"); },
                   [&](const S::String&) { read_checked("ReadString"); },
                   [&](const pakko::Struct&) { read_named(); },
                   [&](const S::OneOf&) { read_named(); },
                   [&](const S::Enum& enumeration) { assign_enum(writer, t, enumeration); },
                   [&](const S::Option& option) { assign_option(writer, t, option, loops); },
                   [&](const S::Vec& vec) { assign_vec(writer, t, vec, loops); },
                   [&](const S::Map& map) { assign_map(writer, t, map, loops); },
               },
               schema.value);
}

void write(Writer& writer, std::string_view value, const pakko::Schema& schema) {
    std::string x(value);
    std::visit(pakko::Overloaded{
                   [&](const S::String&) { write_string(writer, x); },
                   [&](const pakko::Struct&) { writer.line(x, ".WriteTo(writer);"); },
                   [&](const S::OneOf&) { writer.line(x, ".WriteTo(writer);"); },
                   [&](const S::Enum&) { writer.line("writer.Write((int) (", x, "));"); },
                   [&](const S::Option& option) { write_option(writer, x, option); },
                   [&](const S::Vec& vec) { write_vec(writer, x, vec); },
                   [&](const S::Map& map) { write_map(writer, x, map); },
                   [&](const auto&) { writer.line("writer.Write(", x, ");"); },
               },
               schema.value);
}

}  // namespace pakko_gen::csharp::statements
