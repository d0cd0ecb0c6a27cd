#include <string>

#include "pakko_gen/jvm_statements.hpp"
#include "pakko_gen/kotlin/names.hpp"
#include "pakko_gen/kotlin/statements.hpp"

namespace pakko_gen::kotlin::statements {

namespace {

using S = pakko::Schema;

struct Kotlin {
    static constexpr std::string_view END = "";
    static constexpr auto class_name = kotlin::class_name;

    // A local copy lets the compiler see that the value stays non-null.
    static std::string option_value(Writer& writer, const std::string& v) {
        auto local = std::string(var_name(v));
        writer.line("val ", local, " = ", v, ";");
        return local;
    }

    static void read_enum(Writer& writer, const std::string& t, const pakko::Schema& schema,
                          const S::Enum& enumeration) {
        writer.line("when (StreamUtil.readInt(stream)) {");
        for (std::size_t k = 0; k < enumeration.variants.size(); ++k) {
            writer.line(std::to_string(k), " ->", t, " = model.", class_name(schema), ".",
                        NAMES.shouty_snake_case(enumeration.variants[k].name));
        }
        writer.line("else -> throw java.io.IOException(\"Unexpected tag value\")");
        writer.line("}");
    }

    // The array constructor's lambda fills a local and yields it.
    static void read_vec(Writer& writer, const std::string& t, const S::Vec& vec, LoopCounter& loops) {
        auto local = std::string(var_name(t)) + "Value";
        writer.line(t, " = Array(StreamUtil.readSize(stream), {");
        writer.indent();
        writer.line("var ", local, ": ", type_name(*vec.element));
        assign(writer, local, *vec.element, loops);
        writer.line(local);
        writer.unindent();
        writer.line("})");
    }

    static void read_map(Writer& writer, const std::string& t, const S::Map& map, LoopCounter& loops) {
        auto b = std::string(var_name(t));
        auto s = b + "Size";
        writer.line("val ", s, " = StreamUtil.readSize(stream)");
        writer.line(t, " = mutableMapOf()");
        auto i = loops.next();
        writer.braced("for (" + i + " in 0 until " + s + ") {", [&] {
            writer.line("var ", b, "Key: ", type_name(*map.key));
            assign(writer, b + "Key", *map.key, loops);
            writer.line("var ", b, "Value: ", type_name(*map.value));
            assign(writer, b + "Value", *map.value, loops);
            writer.line(t, ".put(", b, "Key, ", b, "Value)");
        });
    }

    static void write_vec(Writer& writer, const std::string& v, const S::Vec& vec) {
        auto element = std::string(var_name(v)) + "Element";
        writer.line("StreamUtil.writeInt(stream, ", v, ".size)");
        writer.braced("for (" + element + " in " + v + ") {", [&] { write(writer, element, *vec.element); });
    }

    static void write_map(Writer& writer, const std::string& v, const S::Map& map) {
        auto entry = std::string(var_name(v)) + "Entry";
        writer.line("StreamUtil.writeInt(stream, ", v, ".size)");
        writer.braced("for (" + entry + " in " + v + ") {", [&] {
            write(writer, entry + ".key", *map.key);
            write(writer, entry + ".value", *map.value);
        });
    }
};

}  // namespace

void assign(Writer& writer, std::string_view target, const pakko::Schema& schema, LoopCounter& loops) {
    assign_value<Kotlin>(writer, target, schema, loops);
}

void write(Writer& writer, std::string_view value, const pakko::Schema& schema) {
    write_value<Kotlin>(writer, value, schema);
}

}  // namespace pakko_gen::kotlin::statements
