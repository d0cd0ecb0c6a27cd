#include "pakko_gen/scala/generator.hpp"

#include "pakko_gen/scala/names.hpp"
#include "pakko_gen/scala/statements.hpp"

namespace pakko_gen::scala {

namespace {

constexpr std::string_view UNEXPECTED_TAG = "case _ => throw new java.io.IOException(\"Unexpected tag value\")";

void write_one_of(Writer& writer, const std::string& base, const pakko::Schema::OneOf& one_of) {
    writer.line("sealed trait ", base, " {");
    writer.line("    def writeTo(stream: java.io.OutputStream)");
    writer.line("}");
    writer.line("object ", base, " {");
    writer.indent();
    for (std::size_t tag = 0; tag < one_of.variants.size(); ++tag) {
        write_struct(writer, one_of.variants[tag], VariantOf{base, tag});
        writer.line();
    }
    writer.line("def readFrom(stream: java.io.InputStream): ", base, " = {");
    writer.indent();
    writer.line("StreamUtil.readInt(stream) match {");
    writer.indent();
    for (const auto& variant : one_of.variants) {
        auto name = NAMES.camel_case(variant.name);
        writer.line("case ", name, ".TAG => ", name, ".readFrom(stream)");
    }
    writer.line(UNEXPECTED_TAG);
    writer.unindent();
    writer.line("}");
    writer.unindent();
    writer.line("}");
    writer.unindent();
    writer.line("}");
}

void write_enum(Writer& writer, const std::string& name, const pakko::Schema::Enum& enumeration) {
    writer.line("sealed abstract class ", name, " (val tag: Int) {");
    writer.indent();
    writer.line("def writeTo(stream: java.io.OutputStream) {");
    writer.line("    StreamUtil.writeInt(stream, tag)");
    writer.line("}");
    writer.unindent();
    writer.line("}");
    writer.line();
    writer.line("object ", name, " {");
    writer.indent();
    for (std::size_t k = 0; k < enumeration.variants.size(); ++k) {
        writer.line("case object ", NAMES.shouty_snake_case(enumeration.variants[k].name), " extends ", name, "(",
                    std::to_string(k), ")");
    }
    writer.line("def readFrom(stream: java.io.InputStream): ", name, " = StreamUtil.readInt(stream) match {");
    writer.indent();
    for (std::size_t k = 0; k < enumeration.variants.size(); ++k) {
        writer.line("case ", std::to_string(k), " => ", NAMES.shouty_snake_case(enumeration.variants[k].name));
    }
    writer.line(UNEXPECTED_TAG);
    writer.unindent();
    writer.line("}");
    writer.unindent();
    writer.line("}");
}

}  // namespace

const ModelLanguage MODEL{"scala",   "util/StreamUtil.scala", ".scala", "", class_name, write_struct, write_one_of,
                          write_enum};

}  // namespace pakko_gen::scala
