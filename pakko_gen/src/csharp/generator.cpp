#include "pakko_gen/csharp/generator.hpp"

#include "pakko_gen/field_kinds.hpp"
#include "pakko_gen/tag_switch.hpp"

namespace pakko_gen::csharp {

namespace {

// C# opens each block on a line of its own.
std::string block_head(const std::string& head) { return head + "\n{"; }

void write_enum(Writer& writer, const pakko::Schema::Enum& enumeration) {
    writer.braced(block_head("public enum " + NAMES.camel_case(enumeration.base_name)), [&] {
        for (std::size_t k = 0; k < enumeration.variants.size(); ++k) {
            writer.line(NAMES.camel_case(enumeration.variants[k].name), " = ", std::to_string(k), ",");
        }
    });
}

void write_one_of(Writer& writer, const pakko::Schema::OneOf& one_of) {
    auto base = NAMES.camel_case(one_of.base_name);
    writer.braced(block_head("public abstract class " + base), [&] {
        writer.line("public abstract void WriteTo(System.IO.BinaryWriter writer);");
        writer.braced(block_head("public static " + base + " ReadFrom(System.IO.BinaryReader reader)"), [&] {
            write_tag_switch(writer, block_head("switch (reader.ReadInt32())"), one_of, NAMES, "ReadFrom(reader)",
                             "throw new System.Exception(\"Unexpected tag value\");");
        });
        for (std::size_t tag = 0; tag < one_of.variants.size(); ++tag) {
            writer.line();
            write_struct(writer, one_of.variants[tag], one_of.base_name, tag);
        }
    });
}

std::string module_path(const pakko::Schema& schema) { return "Model/" + NAMES.type_name(schema) + ".cs"; }

std::string model_namespace(std::string_view project) {
    return "namespace " + NAMES.camel_case(pakko::Name(project)) + ".Model";
}

void write_module(Writer& writer, const pakko::Schema& schema, std::string_view project) {
    writer.braced(block_head(model_namespace(project)), [&] {
        visit_declared(
            schema, [&](const pakko::Struct& record) { write_struct(writer, record, std::nullopt, 0); },
            [&](const pakko::Schema::OneOf& one_of) { write_one_of(writer, one_of); },
            [&](const pakko::Schema::Enum& enumeration) { write_enum(writer, enumeration); });
    });
}

// The readers' checks, in the model's namespace.
void write_helper(Writer& writer, std::string_view project) {
    writer.braced(block_head(model_namespace(project)), [&] { writer.write_str(template_text("csharp/StreamUtil.cs")); });
}

}  // namespace

const ModuleLanguage MODEL{"Model/StreamUtil.cs", "", "", false, module_path, nullptr, write_module, write_helper};

}  // namespace pakko_gen::csharp
