#include "pakko_gen/java/generator.hpp"

#include "pakko_gen/java/names.hpp"
#include "pakko_gen/java/statements.hpp"
#include "pakko_gen/templates.hpp"
#include "pakko_gen/writer.hpp"

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
        write_struct(writer, one_of.variants[tag], VariantOf{one_of.base_name, tag});
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

Generator::Generator(std::string_view, std::string_view, Options) {
    files_["util/StreamUtil.java"] = std::string(template_text("java/util/StreamUtil.java"));
}

void Generator::add_only(const pakko::Schema& schema) {
    auto name = class_name(schema);
    if (name.empty()) return;
    Writer writer;
    write_head(writer);
    if (const auto* record = schema.get_if<pakko::Struct>()) {
        write_struct(writer, *record, std::nullopt);
    } else if (const auto* one_of = schema.get_if<pakko::Schema::OneOf>()) {
        write_one_of(writer, name, *one_of);
    } else if (const auto* enumeration = schema.get_if<pakko::Schema::Enum>()) {
        write_enum(writer, name, *enumeration);
    }
    files_["model/" + name + ".java"] = std::move(writer).take_text();
}

GenResult Generator::result() && {
    GenResult result;
    for (auto& [path, content] : files_) result.add(path, std::move(content));
    return result;
}

}  // namespace pakko_gen::java
