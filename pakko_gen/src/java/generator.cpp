#include "pakko_gen/java/generator.hpp"

#include "pakko_gen/java/names.hpp"
#include "pakko_gen/java/statements.hpp"
#include "pakko_gen/tag_switch.hpp"

namespace pakko_gen::java {

namespace {

void write_one_of(Writer& writer, const std::string& base, const pakko::Schema::OneOf& one_of) {
    writer.braced("public abstract class " + base + " {", [&] {
        writer.line("public abstract void writeTo(java.io.OutputStream stream) throws java.io.IOException;");
        writer.braced(
            "public static " + base + " readFrom(java.io.InputStream stream) throws java.io.IOException {", [&] {
                write_tag_switch(writer, "switch (StreamUtil.readInt(stream)) {", one_of, NAMES, "readFrom(stream)",
                                 "throw new java.io.IOException(\"Unexpected tag value\");");
            });
        write_variants(writer, base, one_of, write_struct);
    });
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

const ModelLanguage MODEL{"java",     "util/StreamUtil.java", ".java",      ";",
                          class_name, write_struct,           write_one_of, write_enum};

}  // namespace pakko_gen::java
