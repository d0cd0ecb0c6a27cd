#include "pakko_gen/fsharp/generator.hpp"

#include "pakko_gen/field_kinds.hpp"

namespace pakko_gen::fsharp {

namespace {

void write_enum(Writer& writer, const pakko::Schema::Enum& enumeration) {
    writer.line("type ", NAMES.camel_case(enumeration.base_name), " =");
    writer.indent();
    for (std::size_t k = 0; k < enumeration.variants.size(); ++k) {
        writer.line("| ", NAMES.camel_case(enumeration.variants[k].name), " = ", std::to_string(k));
    }
    writer.unindent();
}

void write_union(Writer& writer, const pakko::Schema::OneOf& one_of) {
    auto base = NAMES.camel_case(one_of.base_name);
    for (std::size_t tag = 0; tag < one_of.variants.size(); ++tag) {
        writer.line();
        write_struct(writer, one_of.variants[tag], one_of.base_name, tag);
    }
    writer.line("type ", base, " = ");
    writer.indent();
    for (const auto& variant : one_of.variants) {
        auto name = NAMES.camel_case(variant.name);
        writer.line("| ", name, " of ", base, name);
    }
    writer.line("with");
    writer.line("member this.writeTo(writer: System.IO.BinaryWriter) =");
    writer.indent();
    writer.line("match this with");
    writer.indent();
    for (const auto& variant : one_of.variants) {
        writer.line("| ", NAMES.camel_case(variant.name), " value -> value.writeTo writer");
    }
    writer.unindent();
    writer.unindent();
    writer.line("static member readFrom(reader: System.IO.BinaryReader) =");
    writer.indent();
    writer.line("match reader.ReadInt32() with");
    writer.indent();
    for (std::size_t tag = 0; tag < one_of.variants.size(); ++tag) {
        auto name = NAMES.camel_case(one_of.variants[tag].name);
        writer.line("| ", std::to_string(tag), " -> ", name, " (", base, name, ".readFrom reader)");
    }
    writer.line("| x -> failwith (sprintf \"Unexpected tag %d\" x)");
    for (int level = 0; level < 3; ++level) writer.unindent();
}

std::string module_path(const pakko::Schema& schema) { return "Model/" + NAMES.type_name(schema) + ".fs"; }

void write_module(Writer& writer, const pakko::Schema& schema, std::string_view project) {
    writer.line("#nowarn \"0058\"");
    writer.line("namespace ", NAMES.camel_case(pakko::Name(project)), ".Model");
    visit_declared(
        schema, [&](const pakko::Struct& record) { write_struct(writer, record, std::nullopt, 0); },
        [&](const pakko::Schema::OneOf& one_of) { write_union(writer, one_of); },
        [&](const pakko::Schema::Enum& enumeration) { write_enum(writer, enumeration); });
}

}  // namespace

const ModuleLanguage MODEL{"", "", "", false, module_path, nullptr, write_module};

}  // namespace pakko_gen::fsharp
