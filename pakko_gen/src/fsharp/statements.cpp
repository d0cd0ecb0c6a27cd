#include <string>

#include <pakko/overloaded.hpp>

#include "pakko_gen/fsharp/generator.hpp"
#include "pakko_gen/locals.hpp"

namespace pakko_gen::fsharp {

using S = pakko::Schema;

std::string type_name(const pakko::Schema& schema) {
    return std::visit(pakko::Overloaded{
                          [](const S::Bool&) -> std::string { return "bool"; },
                          [](const S::Int32&) -> std::string { return "int"; },
                          [](const S::Int64&) -> std::string { return "long"; },
                          [](const S::Float32&) -> std::string { return "single"; },
                          [](const S::Float64&) -> std::string { return "double"; },
                          [](const S::String&) -> std::string { return "string"; },
                          [](const S::Option& option) { return "option<" + type_name(*option.inner) + ">"; },
                          [](const S::Vec& vec) { return type_name(*vec.element) + "[]"; },
                          [](const S::Map& map) {
                              return "Map<" + type_name(*map.key) + ", " + type_name(*map.value) + ">";
                          },
                          [&](const auto&) { return NAMES.type_name(schema); },
                      },
                      schema.value);
}

namespace statements {

namespace {

void write_string(Writer& writer, const std::string& x) {
    auto data = std::string(var_name(x)) + "Data";
    writer.line("let ", data, " : byte[] = System.Text.Encoding.UTF8.GetBytes ", x);
    writer.line("writer.Write ", data, ".Length");
    writer.line("writer.Write ", data);
}

void write_option(Writer& writer, const std::string& x, const S::Option& option) {
    writer.line("match ", x, " with");
    writer.indent();
    writer.line("| Some value ->");
    writer.indent();
    writer.line("writer.Write true");
    write(writer, "value", *option.inner);
    writer.unindent();
    writer.line("| None -> writer.Write false");
    writer.unindent();
}

void write_vec(Writer& writer, const std::string& x, const S::Vec& vec) {
    writer.line("writer.Write ", x, ".Length");
    writer.line(x, " |> Array.iter (fun value ->");
    writer.indent();
    write(writer, "value", *vec.element);
    writer.unindent();
    writer.line(")");
}

void write_map(Writer& writer, const std::string& x, const S::Map& map) {
    writer.line("writer.Write ", x, ".Count");
    writer.line(x, " |> Map.iter (fun key value ->");
    writer.indent();
    write(writer, "key", *map.key);
    write(writer, "value", *map.value);
    writer.unindent();
    writer.line(")");
}

void read_option(Writer& writer, const S::Option& option) {
    writer.line("match reader.ReadBoolean() with");
    writer.indent();
    writer.line("| true ->");
    writer.indent();
    writer.line("Some(");
    writer.indent();
    read(writer, *option.inner);
    writer.line(")");
    writer.unindent();
    writer.unindent();
    writer.line("| false -> None");
    writer.unindent();
}

void read_vec(Writer& writer, const S::Vec& vec) {
    writer.line("[|for _ in 1 .. reader.ReadInt32() do");
    writer.indent();
    writer.write_str("yield ");
    read(writer, *vec.element);
    writer.unindent();
    writer.line("|]");
}

void read_map(Writer& writer, const S::Map& map) {
    writer.line("[for _ in 1 .. reader.ReadInt32() do");
    writer.indent();
    writer.write_str("let key = ");
    read(writer, *map.key);
    writer.write_str("let value = ");
    read(writer, *map.value);
    writer.line("yield (key, value)");
    writer.line("] |> Map.ofList");
    writer.unindent();
}

}  // namespace

void write(Writer& writer, std::string_view value, const pakko::Schema& schema) {
    std::string x(value);
    std::visit(pakko::Overloaded{
                   [&](const S::String&) { write_string(writer, x); },
                   [&](const pakko::Struct&) { writer.line(x, ".writeTo writer"); },
                   [&](const S::OneOf&) { writer.line(x, ".writeTo writer"); },
                   [&](const S::Enum&) { writer.line("writer.Write (int ", x, ")"); },
                   [&](const S::Option& option) { write_option(writer, x, option); },
                   [&](const S::Vec& vec) { write_vec(writer, x, vec); },
                   [&](const S::Map& map) { write_map(writer, x, map); },
                   [&](const auto&) { writer.line("writer.Write ", x); },
               },
               schema.value);
}

void read(Writer& writer, const pakko::Schema& schema) {
    auto line = [&](const char* text) { writer.line(text); };
    std::visit(pakko::Overloaded{
                   [&](const S::Bool&) { line("reader.ReadBoolean()"); },
                   [&](const S::Int32&) { line("reader.ReadInt32()"); },
                   [&](const S::Int64&) { line("reader.ReadInt64()"); },
                   [&](const S::Float32&) { line("reader.ReadSingle()"); },
                   [&](const S::Float64&) { line("reader.ReadDouble()"); },
                   [&](const S::String&) {
                       line("reader.ReadInt32() |> reader.ReadBytes |> System.Text.Encoding.UTF8.GetString");
                   },
                   [&](const pakko::Struct&) { writer.line(NAMES.type_name(schema), ".readFrom reader"); },
                   [&](const S::OneOf&) { writer.line(NAMES.type_name(schema), ".readFrom reader"); },
                   [&](const S::Enum&) { line("reader.ReadInt32() |> enum"); },
                   [&](const S::Option& option) { read_option(writer, option); },
                   [&](const S::Vec& vec) { read_vec(writer, vec); },
                   [&](const S::Map& map) { read_map(writer, map); },
               },
               schema.value);
}

}  // namespace statements

}  // namespace pakko_gen::fsharp
