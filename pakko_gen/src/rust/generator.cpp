#include "pakko_gen/rust/generator.hpp"

#include <array>

#include <pakko/overloaded.hpp>

#include "pakko_gen/templates.hpp"

namespace pakko_gen::rust {

namespace {

using S = pakko::Schema;

std::string field_lines(const pakko::Struct& record, std::string_view indent, std::string_view visibility) {
    std::string text;
    for (const auto& field : record.fields) {
        text.append(indent).append(visibility).append(NAMES.snake_case(field.name));
        text.append(": ").append(type_name(*field.schema)).append(",\n");
    }
    return text;
}

std::string struct_code(const pakko::Schema& schema, const pakko::Struct& record) {
    std::string text = "use super::*;\n#[derive(Clone, Debug";
    if (schema.hashable()) text += ", PartialEq, Eq, Hash";
    text += ", pakko::Pakko)]\n";
    if (record.magic) text += "#[pakko(magic = \"" + std::to_string(*record.magic) + "\")]\n";
    text += "pub struct " + NAMES.camel_case(record.name) + " {\n";
    text += field_lines(record, "    ", "pub ");
    return text + "}\n";
}

std::string one_of_code(const S::OneOf& one_of) {
    std::string text = "use super::*;\n#[derive(Clone, Debug, pakko::Pakko)]\n";
    text += "pub enum " + NAMES.camel_case(one_of.base_name) + " {\n";
    for (const auto& variant : one_of.variants) {
        text += "    " + NAMES.camel_case(variant.name) + " {\n";
        text += field_lines(variant, "        ", "");
        text += "    },\n";
    }
    return text + "}\n";
}

std::string enum_code(const S::Enum& enumeration) {
    std::string text = "use super::*;\n#[derive(Clone, Debug, PartialEq, Eq, Hash, pakko::Pakko)]\n";
    text += "pub enum " + NAMES.camel_case(enumeration.base_name) + " {\n";
    for (const auto& variant : enumeration.variants) text += "    " + NAMES.camel_case(variant.name) + ",\n";
    return text + "}\n";
}

}  // namespace

std::string type_name(const pakko::Schema& schema) {
    return std::visit(pakko::Overloaded{
                          [](const S::Bool&) -> std::string { return "bool"; },
                          [](const S::Int32&) -> std::string { return "i32"; },
                          [](const S::Int64&) -> std::string { return "i64"; },
                          [](const S::Float32&) -> std::string { return "f32"; },
                          [](const S::Float64&) -> std::string { return "f64"; },
                          [](const S::String&) -> std::string { return "String"; },
                          [](const pakko::Struct& record) { return NAMES.camel_case(record.name); },
                          [](const S::OneOf& one_of) { return NAMES.camel_case(one_of.base_name); },
                          [](const S::Enum& enumeration) { return NAMES.camel_case(enumeration.base_name); },
                          [](const S::Option& option) { return "Option<" + type_name(*option.inner) + ">"; },
                          [](const S::Vec& vec) { return "Vec<" + type_name(*vec.element) + ">"; },
                          [](const S::Map& map) {
                              return "std::collections::HashMap<" + type_name(*map.key) + ", " +
                                     type_name(*map.value) + ">";
                          },
                      },
                      schema.value);
}

Generator::Generator(std::string_view name, std::string_view version, Options) {
    const std::array<Rename, 3> placeholders{{{"$name", name}, {"$version", version}, {"$pakko-version", PAKKO_VERSION}}};
    files_.add("Cargo.toml", apply_renames(template_text("rust/Cargo.toml"), placeholders));
    files_.add("src/lib.rs", "");
}

void Generator::add_only(const pakko::Schema& schema) {
    std::string code;
    std::string module;
    if (const auto* record = schema.get_if<pakko::Struct>()) {
        code = struct_code(schema, *record);
        module = NAMES.snake_case(record->name);
    } else if (const auto* one_of = schema.get_if<S::OneOf>()) {
        code = one_of_code(*one_of);
        module = NAMES.snake_case(one_of->base_name);
    } else if (const auto* enumeration = schema.get_if<S::Enum>()) {
        code = enum_code(*enumeration);
        module = NAMES.snake_case(enumeration->base_name);
    } else {
        return;
    }
    lib_rs_ += "\nmod " + module + ";\npub use self::" + module + "::*;\n";
    files_.add("src/" + module + ".rs", std::move(code));
}

GenResult Generator::result() && {
    files_.add("src/lib.rs", std::move(lib_rs_));
    return std::move(files_);
}

}  // namespace pakko_gen::rust
