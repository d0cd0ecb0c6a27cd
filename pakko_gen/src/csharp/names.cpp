#include <pakko/overloaded.hpp>

#include "pakko_gen/csharp/generator.hpp"
#include "pakko_gen/field_kinds.hpp"

namespace pakko_gen::csharp {

using S = pakko::Schema;

bool value_kind(const pakko::Schema& schema) {
    return std::visit(pakko::Overloaded{
                          [](const S::Bool&) { return true; },
                          [](const S::Int32&) { return true; },
                          [](const S::Int64&) { return true; },
                          [](const S::Float32&) { return true; },
                          [](const S::Float64&) { return true; },
                          [](const pakko::Struct&) { return true; },
                          [](const S::Enum&) { return true; },
                          [](const auto&) { return false; },
                      },
                      schema.value);
}

std::string type_name(const pakko::Schema& schema) { return type_name_prearray(schema) + type_post_array(schema); }

std::string type_name_prearray(const pakko::Schema& schema) {
    if (auto word = primitive_word(schema); !word.empty()) return std::string(word);
    return std::visit(pakko::Overloaded{
                          [](const S::Option& option) {
                              return type_name(*option.inner) + (value_kind(*option.inner) ? "?" : "");
                          },
                          [](const S::Vec& vec) { return type_name_prearray(*vec.element); },
                          [](const S::Map& map) {
                              return "System.Collections.Generic.IDictionary<" + type_name(*map.key) + ", " +
                                     type_name(*map.value) + ">";
                          },
                          [&](const auto&) { return "Model." + NAMES.type_name(schema); },
                      },
                      schema.value);
}

std::string type_post_array(const pakko::Schema& schema) {
    const auto* vec = schema.get_if<S::Vec>();
    return vec != nullptr ? "[]" + type_post_array(*vec->element) : std::string();
}

}  // namespace pakko_gen::csharp
