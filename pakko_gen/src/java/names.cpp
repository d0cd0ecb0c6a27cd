#include "pakko_gen/java/names.hpp"

#include <pakko/overloaded.hpp>

namespace pakko_gen::java {

namespace {

using S = pakko::Schema;

std::string model_type(const pakko::Schema& schema) { return "model." + class_name(schema); }

std::string map_type(const S::Map& map) {
    return "java.util.Map<" + type_name_obj(*map.key) + ", " + type_name_obj(*map.value) + ">";
}

}  // namespace

std::string type_name_prearray(const pakko::Schema& schema) {
    return std::visit(pakko::Overloaded{
                          [](const S::Bool&) -> std::string { return "boolean"; },
                          [](const S::Int32&) -> std::string { return "int"; },
                          [](const S::Int64&) -> std::string { return "long"; },
                          [](const S::Float32&) -> std::string { return "float"; },
                          [](const S::Float64&) -> std::string { return "double"; },
                          [](const S::String&) -> std::string { return "String"; },
                          [&](const pakko::Struct&) { return model_type(schema); },
                          [&](const S::OneOf&) { return model_type(schema); },
                          [&](const S::Enum&) { return model_type(schema); },
                          [](const S::Option& option) { return type_name_obj(*option.inner); },
                          [](const S::Vec& vec) { return type_name_prearray(*vec.element); },
                          [](const S::Map& map) { return map_type(map); },
                      },
                      schema.value);
}

std::string type_post_array(const pakko::Schema& schema) {
    if (const auto* vec = schema.get_if<S::Vec>()) return "[]" + type_post_array(*vec->element);
    return {};
}

std::string type_name(const pakko::Schema& schema) { return type_name_prearray(schema) + type_post_array(schema); }

std::string type_name_obj(const pakko::Schema& schema) {
    return std::visit(pakko::Overloaded{
                          [](const S::Bool&) -> std::string { return "Boolean"; },
                          [](const S::Int32&) -> std::string { return "Integer"; },
                          [](const S::Int64&) -> std::string { return "Long"; },
                          [](const S::Float32&) -> std::string { return "Float"; },
                          [](const S::Float64&) -> std::string { return "Double"; },
                          [&](const auto&) { return type_name(schema); },
                      },
                      schema.value);
}

}  // namespace pakko_gen::java
