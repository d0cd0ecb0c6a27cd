#include <string>

#include "pakko_gen/scala/names.hpp"
#include "pakko_gen/scala/statements.hpp"
#include "pakko_gen/model_generator.hpp"

namespace pakko_gen::scala::statements {

namespace {

using S = pakko::Schema;

void write_option(Writer& writer, const std::string& e, const S::Option& option) {
    writer.line(e, " match {");
    writer.indent();
    writer.line("case None => StreamUtil.writeBoolean(stream, false)");
    writer.line("case Some(value) => {");
    writer.indent();
    writer.line("StreamUtil.writeBoolean(stream, true)");
    write(writer, "value", *option.inner);
    writer.unindent();
    writer.line("}");
    writer.unindent();
    writer.line("}");
}

void write_vec(Writer& writer, const std::string& e, const S::Vec& vec) {
    writer.line("StreamUtil.writeInt(stream, ", e, ".length)");
    writer.line(e, ".foreach { value =>");
    writer.indent();
    write(writer, "value", *vec.element);
    writer.unindent();
    writer.line("}");
}

void write_map(Writer& writer, const std::string& e, const S::Map& map) {
    writer.line("StreamUtil.writeInt(stream, ", e, ".size)");
    writer.line(e, ".foreach { case (key, value) =>");
    writer.indent();
    write(writer, "key", *map.key);
    write(writer, "value", *map.value);
    writer.unindent();
    writer.line("}");
}

void read_nested(Writer& writer, const pakko::Schema& inner) {
    writer.indent();
    read(writer, inner);
    writer.unindent();
}

}  // namespace

void write(Writer& writer, std::string_view value, const pakko::Schema& schema) {
    const std::string e(value);
    auto write_itself = [&] { writer.line(e, ".writeTo(stream)"); };
    visit_value(schema, {
        .primitive = [&](std::string_view word) { writer.line("StreamUtil.write", word, "(stream, ", e, ")"); },
        .named = write_itself,
        .enumeration = [&](const S::Enum&) { write_itself(); },
        .option = [&](const S::Option& option) { write_option(writer, e, option); },
        .vec = [&](const S::Vec& vec) { write_vec(writer, e, vec); },
        .map = [&](const S::Map& map) { write_map(writer, e, map); },
    });
}

void read(Writer& writer, const pakko::Schema& schema) {
    auto read_named = [&] { writer.line("model.", class_name(schema), ".readFrom(stream)"); };
    visit_value(schema, {
        .primitive = [&](std::string_view word) { writer.line("StreamUtil.read", word, "(stream)"); },
        .named = read_named,
        .enumeration = [&](const S::Enum&) { read_named(); },
        .option =
            [&](const S::Option& option) {
                writer.line("if (StreamUtil.readBoolean(stream)) Some(");
                read_nested(writer, *option.inner);
                writer.line(") else None");
            },
        .vec =
            [&](const S::Vec& vec) {
                writer.line("(0 until StreamUtil.readSize(stream)).map { _ =>");
                read_nested(writer, *vec.element);
                writer.line("}");
            },
        .map =
            [&](const S::Map& map) {
                writer.line("(0 until StreamUtil.readSize(stream)).map { _ => (");
                writer.indent();
                read(writer, *map.key);
                writer.line(",");
                read(writer, *map.value);
                writer.unindent();
                writer.line(")}.toMap");
            },
    });
}

}  // namespace pakko_gen::scala::statements
