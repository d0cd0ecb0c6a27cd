#include "pakko_gen/csharp/generator.hpp"

namespace pakko_gen::csharp {

namespace {

void write_enum(Writer& writer, const pakko::Schema::Enum& enumeration) {
    writer.line("public enum ", NAMES.camel_case(enumeration.base_name));
    writer.line("{");
    writer.indent();
    for (std::size_t k = 0; k < enumeration.variants.size(); ++k) {
        writer.line(NAMES.camel_case(enumeration.variants[k].name), " = ", std::to_string(k), ",");
    }
    writer.unindent();
    writer.line("}");
}

void write_one_of(Writer& writer, const pakko::Schema::OneOf& one_of) {
    auto base = NAMES.camel_case(one_of.base_name);
    writer.line("public abstract class ", base);
    writer.line("{");
    writer.indent();
    writer.line("public abstract void WriteTo(System.IO.BinaryWriter writer);");
    writer.line("public static ", base, " ReadFrom(System.IO.BinaryReader reader)");
    writer.line("{");
    writer.indent();
    writer.line("switch (reader.ReadInt32())");
    writer.line("{");
    writer.indent();
    for (const auto& variant : one_of.variants) {
        auto name = NAMES.camel_case(variant.name);
        writer.line("case ", name, ".TAG:");
        writer.line("    return ", name, ".ReadFrom(reader);");
    }
    writer.line("default:");
    writer.line("    throw new System.Exception(\"Unexpected tag value\");");
    writer.unindent();
    writer.line("}");
    writer.unindent();
    writer.line("}");
    for (std::size_t tag = 0; tag < one_of.variants.size(); ++tag) {
        writer.line();
        write_struct(writer, one_of.variants[tag], one_of.base_name, tag);
    }
    writer.unindent();
    writer.line("}");
}

}  // namespace

std::string Model::module_path(const pakko::Schema& schema) { return "Model/" + NAMES.type_name(schema) + ".cs"; }

void Model::write_module(Writer& writer, const pakko::Schema& schema, std::string_view project) {
    writer.line("namespace ", NAMES.camel_case(pakko::Name(project)), ".Model");
    writer.line("{");
    writer.indent();
    if (const auto* record = schema.get_if<pakko::Struct>()) {
        write_struct(writer, *record, std::nullopt, 0);
    } else if (const auto* one_of = schema.get_if<pakko::Schema::OneOf>()) {
        write_one_of(writer, *one_of);
    } else if (const auto* enumeration = schema.get_if<pakko::Schema::Enum>()) {
        write_enum(writer, *enumeration);
    }
    writer.unindent();
    writer.line("}");
}

}  // namespace pakko_gen::csharp
