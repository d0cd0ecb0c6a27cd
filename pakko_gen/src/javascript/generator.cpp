#include "pakko_gen/javascript/generator.hpp"

#include <algorithm>

#include "pakko_gen/field_kinds.hpp"

namespace pakko_gen::javascript {

std::string file_name(const pakko::Name& name) {
    auto result = NAMES.snake_case(name);
    std::replace(result.begin(), result.end(), '_', '-');
    return result;
}

namespace {

void write_enum(Writer& writer, const pakko::Schema::Enum& enumeration) {
    writer.line("module.exports = {");
    writer.indent();
    for (std::size_t k = 0; k < enumeration.variants.size(); ++k) {
        bool last = k + 1 == enumeration.variants.size();
        writer.line(NAMES.camel_case(enumeration.variants[k].name), " : ", std::to_string(k), last ? "" : ",");
    }
    writer.unindent();
    writer.line("}");
}

void write_one_of(Writer& writer, const pakko::Schema& schema, const pakko::Schema::OneOf& one_of) {
    auto base = NAMES.camel_case(one_of.base_name);
    write_imports(writer, schema);
    writer.line("class ", base, " {");
    writer.indent();
    writer.line("static async readFrom(stream) {");
    writer.indent();
    writer.line("let tag = await stream.readInt();");
    for (const auto& variant : one_of.variants) {
        auto name = NAMES.camel_case(variant.name);
        writer.line("if (tag == ", name, ".TAG) {");
        writer.line("    return await ", name, ".readFrom(stream);");
        writer.line("}");
    }
    writer.line("throw new Error(\"Unexpected tag value\");");
    writer.unindent();
    writer.line("}");
    writer.unindent();
    writer.line("}");
    writer.line();
    for (std::size_t tag = 0; tag < one_of.variants.size(); ++tag) {
        write_struct(writer, one_of.variants[tag], one_of.base_name, tag);
    }
    writer.line("module.exports = ", base, ";");
}

std::string module_path(const pakko::Schema& schema) {
    return "model/" + file_name(*declared_name(schema)) + ".js";
}

std::string index_line(const pakko::Schema& schema) {
    return "module.exports." + NAMES.type_name(schema) + " = require('./" + file_name(*declared_name(schema)) + "');\n";
}

void write_module(Writer& writer, const pakko::Schema& schema, std::string_view) {
    visit_declared(
        schema,
        [&](const pakko::Struct& record) {
            write_imports(writer, schema);
            write_struct(writer, record, std::nullopt, 0);
            writer.line("module.exports = ", NAMES.type_name(schema));
        },
        [&](const pakko::Schema::OneOf& one_of) { write_one_of(writer, schema, one_of); },
        [&](const pakko::Schema::Enum& enumeration) { write_enum(writer, enumeration); });
}

}  // namespace

const ModuleLanguage MODEL{
    "stream-wrapper.js", "javascript/stream-wrapper.js", "model/index.js", true, module_path, index_line, write_module};

}  // namespace pakko_gen::javascript
