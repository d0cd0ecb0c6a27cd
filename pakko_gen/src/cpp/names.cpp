#include "pakko_gen/cpp/names.hpp"

#include <pakko/overloaded.hpp>

namespace pakko_gen::cpp {

std::string conv(std::string_view text) { return apply_renames(text, renames::CPP); }

std::string class_name(const pakko::Schema& schema) {
    if (const auto* record = schema.get_if<pakko::Struct>()) return NAMES.camel_case(record->name);
    if (const auto* one_of = schema.get_if<pakko::Schema::OneOf>()) return NAMES.camel_case(one_of->base_name);
    if (const auto* enumeration = schema.get_if<pakko::Schema::Enum>()) {
        return NAMES.camel_case(enumeration->base_name);
    }
    return {};
}

std::string type_name(const pakko::Schema& schema) {
    using S = pakko::Schema;
    return std::visit(pakko::Overloaded{
                          [](const S::Bool&) -> std::string { return "bool"; },
                          [](const S::Int32&) -> std::string { return "int"; },
                          [](const S::Int64&) -> std::string { return "long long"; },
                          [](const S::Float32&) -> std::string { return "float"; },
                          [](const S::Float64&) -> std::string { return "double"; },
                          [](const S::String&) -> std::string { return "std::string"; },
                          [](const pakko::Struct& record) { return NAMES.camel_case(record.name); },
                          [](const S::Enum& enumeration) { return NAMES.camel_case(enumeration.base_name); },
                          [](const S::OneOf& one_of) {
                              return "std::shared_ptr<" + NAMES.camel_case(one_of.base_name) + ">";
                          },
                          [](const S::Option& option) { return "std::shared_ptr<" + type_name(*option.inner) + ">"; },
                          [](const S::Vec& vec) { return "std::vector<" + type_name(*vec.element) + ">"; },
                          [](const S::Map& map) {
                              return "std::unordered_map<" + type_name(*map.key) + ", " + type_name(*map.value) + ">";
                          },
                      },
                      schema.value);
}

std::string parameter_list(const pakko::Struct& record) {
    std::string result;
    for (const auto& field : record.fields) {
        if (!result.empty()) result += ", ";
        result += type_name(*field.schema) + " " + NAMES.mixed_case(field.name);
    }
    return result;
}

}  // namespace pakko_gen::cpp
