#include "pakko_gen/java/generator.hpp"

#include "pakko_gen/java/names.hpp"
#include "pakko_gen/java/statements.hpp"

namespace pakko_gen::java {

namespace {

void write_head(Writer& writer) {
    writer.line("package model;");
    writer.line();
    writer.line("import util.StreamUtil;");
    writer.line();
}

void write_one_of(Writer& writer, const std::string& base, const pakko::Schema::OneOf& one_of) {
    writer.line("public abstract class ", base, " {");
    writer.indent();
    writer.line("public abstract void writeTo(java.io.OutputStream stream) throws java.io.IOException;");
    writer.line("public static ", base, " readFrom(java.io.InputStream stream) throws java.io.IOException {");
    writer.indent();
    writer.line("switch (StreamUtil.readInt(stream)) {");
    writer.indent();
    for (const auto& variant : one_of.variants) {
        auto name = NAMES.camel_case(variant.name);
        writer.line("case ", name, ".TAG:");
        writer.line("    return ", name, ".readFrom(stream);");
    }
    writer.line("default:");
    writer.line("    throw new java.io.IOException(\"Unexpected tag value\");");
    writer.unindent();
    writer.line("}");
    writer.unindent();
    writer.line("}");
    for (std::size_t tag = 0; tag < one_of.variants.size(); ++tag) {
        writer.line();
        write_struct(writer, one_of.variants[tag], VariantOf{base, tag});
    }
    writer.unindent();
    writer.line("}");
}

void write_enum(Writer& writer, const std::string& name, const pakko::Schema::Enum& enumeration) {
    writer.line("public enum ", name, " {");
    writer.indent();
    for (std::size_t k = 0; k < enumeration.variants.size(); ++k) {
        bool last = k + 1 == enumeration.variants.size();
        writer.line(NAMES.shouty_snake_case(enumeration.variants[k].name), "(", std::to_string(k), ")",
                    last ? ";" : ",");
    }
    writer.line("public int tag;");
    writer.line(name, "(int tag) {");
    writer.line("  this.tag = tag;");
    writer.line("}");
    writer.unindent();
    writer.line("}");
}

}  // namespace

const ModelLanguage MODEL{
    "java", "util/StreamUtil.java", ".java", class_name, write_head, write_struct, write_one_of, write_enum};

}  // namespace pakko_gen::java
