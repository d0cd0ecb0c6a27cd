#include "pakko_gen/field_kinds.hpp"

#include <pakko/overloaded.hpp>

namespace pakko_gen {

std::string_view primitive_word(const pakko::Schema& schema) {
    using S = pakko::Schema;
    return std::visit(pakko::Overloaded{
                          [](const S::Bool&) -> std::string_view { return "bool"; },
                          [](const S::Int32&) -> std::string_view { return "int"; },
                          [](const S::Int64&) -> std::string_view { return "long"; },
                          [](const S::Float32&) -> std::string_view { return "float"; },
                          [](const S::Float64&) -> std::string_view { return "double"; },
                          [](const S::String&) -> std::string_view { return "string"; },
                          [](const auto&) -> std::string_view { return {}; },
                      },
                      schema.value);
}

void for_each_named(const pakko::Schema& schema, const std::function<void(const pakko::Schema&)>& visit) {
    using S = pakko::Schema;
    std::visit(pakko::Overloaded{
                   [&](const S::Option& option) { for_each_named(*option.inner, visit); },
                   [&](const S::Vec& vec) { for_each_named(*vec.element, visit); },
                   [&](const S::Map& map) {
                       for_each_named(*map.key, visit);
                       for_each_named(*map.value, visit);
                   },
                   [&](const pakko::Struct&) { visit(schema); },
                   [&](const S::OneOf&) { visit(schema); },
                   [&](const S::Enum&) { visit(schema); },
                   [](const auto&) {},
               },
               schema.value);
}

}  // namespace pakko_gen
