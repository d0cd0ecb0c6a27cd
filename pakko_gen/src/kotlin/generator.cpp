#include "pakko_gen/kotlin/generator.hpp"

#include "pakko_gen/kotlin/names.hpp"
#include "pakko_gen/kotlin/statements.hpp"

namespace pakko_gen::kotlin {

namespace {

void write_one_of(Writer& writer, const std::string& base, const pakko::Schema::OneOf& one_of) {
    writer.braced("abstract class " + base + " {", [&] {
        writer.line("@Throws(java.io.IOException::class)");
        writer.line("abstract fun writeTo(stream: java.io.OutputStream)");
        writer.braced("companion object {", [&] {
            writer.line("@Throws(java.io.IOException::class)");
            writer.braced("fun readFrom(stream: java.io.InputStream): " + base + " {", [&] {
                writer.braced("when (StreamUtil.readInt(stream)) {", [&] {
                    for (const auto& variant : one_of.variants) {
                        auto name = NAMES.camel_case(variant.name);
                        writer.line(name, ".TAG -> return ", name, ".readFrom(stream)");
                    }
                    writer.line("else -> throw java.io.IOException(\"Unexpected tag value\")");
                });
            });
        });
        write_variants(writer, base, one_of, write_struct);
    });
}

void write_enum(Writer& writer, const std::string& name, const pakko::Schema::Enum& enumeration) {
    writer.line("enum class ", name, " private constructor(var tag: Int) {");
    writer.indent();
    for (std::size_t k = 0; k < enumeration.variants.size(); ++k) {
        bool last = k + 1 == enumeration.variants.size();
        writer.line(NAMES.shouty_snake_case(enumeration.variants[k].name), "(", std::to_string(k), ")",
                    last ? "" : ",");
    }
    writer.unindent();
    writer.line("}");
}

}  // namespace

const ModelLanguage MODEL{"kotlin",   "util/StreamUtil.kt", ".kt",        "",
                          class_name, write_struct,         write_one_of, write_enum};

}  // namespace pakko_gen::kotlin
