#include <string>

#include "pakko_gen/java/names.hpp"
#include "pakko_gen/java/statements.hpp"
#include "pakko_gen/model_generator.hpp"

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

void assign_option(Writer& writer, const std::string& t, const S::Option& option, LoopCounter& loops) {
    writer.line("if (StreamUtil.readBoolean(stream)) {");
    writer.indent();
    assign(writer, t, *option.inner, loops);
    writer.unindent();
    writer.line("} else {");
    writer.line("    ", t, " = null;");
    writer.line("}");
}

void assign_vec(Writer& writer, const std::string& t, const S::Vec& vec, LoopCounter& loops) {
    writer.line(t, " = new ", erased(type_name_prearray(*vec.element)), "[StreamUtil.readInt(stream)]",
                type_post_array(*vec.element), ";");
    auto i = loops.next();
    writer.line("for (int ", i, " = 0; ", i, " < ", t, ".length; ", i, "++) {");
    writer.indent();
    assign(writer, t + "[" + i + "]", *vec.element, loops);
    writer.unindent();
    writer.line("}");
}

void assign_map(Writer& writer, const std::string& t, const S::Map& map, LoopCounter& loops) {
    auto b = local_base(t);
    auto s = b + "Size";
    writer.line("int ", s, " = StreamUtil.readInt(stream);");
    writer.line(t, " = new java.util.HashMap<>(", s, ");");
    auto i = loops.next();
    writer.line("for (int ", i, " = 0; ", i, " < ", s, "; ", i, "++) {");
    writer.indent();
    writer.line(type_name(*map.key), " ", b, "Key;");
    assign(writer, b + "Key", *map.key, loops);
    writer.line(type_name(*map.value), " ", b, "Value;");
    assign(writer, b + "Value", *map.value, loops);
    writer.line(t, ".put(", b, "Key, ", b, "Value);");
    writer.unindent();
    writer.line("}");
}

void assign_enum(Writer& writer, const std::string& t, const pakko::Schema& schema, const S::Enum& enumeration) {
    writer.line("switch (StreamUtil.readInt(stream)) {");
    for (std::size_t k = 0; k < enumeration.variants.size(); ++k) {
        writer.line("case ", std::to_string(k), ":");
        writer.line("    ", t, " = model.", class_name(schema), ".",
                    NAMES.shouty_snake_case(enumeration.variants[k].name), ";");
        writer.line("    break;");
    }
    writer.line("default:");
    writer.line("    throw new java.io.IOException(\"Unexpected tag value\");");
    writer.line("}");
}

void write_option(Writer& writer, const std::string& v, const S::Option& option) {
    writer.line("if (", v, " == null) {");
    writer.line("    StreamUtil.writeBoolean(stream, false);");
    writer.line("} else {");
    writer.indent();
    writer.line("StreamUtil.writeBoolean(stream, true);");
    write(writer, v, *option.inner);
    writer.unindent();
    writer.line("}");
}

void write_vec(Writer& writer, const std::string& v, const S::Vec& vec) {
    auto b = std::string(var_name(v));
    writer.line("StreamUtil.writeInt(stream, ", v, ".length);");
    writer.line("for (", type_name(*vec.element), " ", b, "Element : ", v, ") {");
    writer.indent();
    write(writer, b + "Element", *vec.element);
    writer.unindent();
    writer.line("}");
}

void write_map(Writer& writer, const std::string& v, const S::Map& map) {
    auto b = std::string(var_name(v));
    writer.line("StreamUtil.writeInt(stream, ", v, ".size());");
    writer.line("for (java.util.Map.Entry<", type_name_obj(*map.key), ", ", type_name_obj(*map.value), "> ", b,
                "Entry : ", v, ".entrySet()) {");
    writer.indent();
    writer.line(type_name(*map.key), " ", b, "Key = ", b, "Entry.getKey();");
    writer.line(type_name(*map.value), " ", b, "Value = ", b, "Entry.getValue();");
    write(writer, b + "Key", *map.key);
    write(writer, b + "Value", *map.value);
    writer.unindent();
    writer.line("}");
}

struct Java {
    static constexpr std::string_view END = ";";
    static constexpr auto class_name = java::class_name;
    static constexpr auto read_enum = assign_enum;
    static constexpr auto read_option = assign_option;
    static constexpr auto read_vec = assign_vec;
    static constexpr auto read_map = assign_map;
    static constexpr auto write_option = statements::write_option;
    static constexpr auto write_vec = statements::write_vec;
    static constexpr auto write_map = statements::write_map;
};

}  // namespace

void assign(Writer& writer, std::string_view target, const pakko::Schema& schema, LoopCounter& loops) {
    assign_value<Java>(writer, target, schema, loops);
}

void write(Writer& writer, std::string_view value, const pakko::Schema& schema) {
    write_value<Java>(writer, value, schema);
}

}  // namespace pakko_gen::java::statements
