#include <string>

#include "pakko_gen/entry_locals.hpp"
#include "pakko_gen/java/names.hpp"
#include "pakko_gen/java/statements.hpp"
#include "pakko_gen/jvm_statements.hpp"
#include "pakko_gen/tag_switch.hpp"

namespace pakko_gen::java::statements {

namespace {

using S = pakko::Schema;

// Java cannot create an array of a generic type, only of its raw form.
std::string erased(const std::string& type) { return type.substr(0, type.find('<')); }

// Locals are named after the target; an element of a list names them after the list.
std::string local_base(std::string_view target) {
    auto base = var_name(target);
    return std::string(base.substr(0, base.find('[')));
}

struct Java {
    static constexpr std::string_view END = ";";
    static constexpr auto class_name = java::class_name;

    static std::string option_value(Writer&, const std::string& v) { return v; }

    static void read_enum(Writer& writer, const std::string& t, const pakko::Schema& schema,
                          const S::Enum& enumeration) {
        const auto prefix = "model." + class_name(schema) + ".";
        write_enum_switch(
            writer, "switch (StreamUtil.readInt(stream)) {", t, enumeration,
            [&](const pakko::Name& name) { return prefix + NAMES.shouty_snake_case(name); },
            "throw new java.io.IOException(\"Unexpected tag value\");");
    }

    static void read_vec(Writer& writer, const std::string& t, const S::Vec& vec, LoopCounter& loops) {
        writer.line(t, " = new ", erased(type_name_prearray(*vec.element)), "[StreamUtil.readSize(stream)]",
                    type_post_array(*vec.element), ";");
        auto i = loops.next();
        writer.braced("for (int " + i + " = 0; " + i + " < " + t + ".length; " + i + "++) {",
                      [&] { assign(writer, t + "[" + i + "]", *vec.element, loops); });
    }

    static void read_map(Writer& writer, const std::string& t, const S::Map& map, LoopCounter& loops) {
        auto b = local_base(t);
        auto s = b + "Size";
        writer.line("int ", s, " = StreamUtil.readSize(stream);");
        // No capacity from the count: the map grows as its entries are read.
        writer.line(t, " = new java.util.HashMap<>();");
        auto i = loops.next();
        writer.braced("for (int " + i + " = 0; " + i + " < " + s + "; " + i + "++) {", [&] {
            read_entry_locals(writer, b, map, type_name, assign, loops);
            writer.line(t, ".put(", b, "Key, ", b, "Value);");
        });
    }

    static void write_vec(Writer& writer, const std::string& v, const S::Vec& vec) {
        auto b = std::string(var_name(v));
        writer.line("StreamUtil.writeInt(stream, ", v, ".length);");
        writer.braced("for (" + type_name(*vec.element) + " " + b + "Element : " + v + ") {",
                      [&] { write(writer, b + "Element", *vec.element); });
    }

    static void write_map(Writer& writer, const std::string& v, const S::Map& map) {
        auto b = std::string(var_name(v));
        writer.line("StreamUtil.writeInt(stream, ", v, ".size());");
        writer.braced("for (java.util.Map.Entry<" + type_name_obj(*map.key) + ", " + type_name_obj(*map.value) + "> " +
                          b + "Entry : " + v + ".entrySet()) {",
                      [&] {
                          write_entry_locals(writer, b, {type_name(*map.key) + " ", ".getKey()"},
                                             {type_name(*map.value) + " ", ".getValue()"}, map, write);
                      });
    }
};

}  // namespace

void assign(Writer& writer, std::string_view target, const pakko::Schema& schema, LoopCounter& loops) {
    assign_value<Java>(writer, target, schema, loops);
}

void write(Writer& writer, std::string_view value, const pakko::Schema& schema) {
    write_value<Java>(writer, value, schema);
}

}  // namespace pakko_gen::java::statements
