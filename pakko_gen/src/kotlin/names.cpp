#include "pakko_gen/kotlin/names.hpp"

#include <pakko/overloaded.hpp>

#include "pakko_gen/stream_util.hpp"

namespace pakko_gen::kotlin {

namespace {

using S = pakko::Schema;

}  // namespace

std::string type_name(const pakko::Schema& schema) {
    if (auto word = stream_util_word(schema)) return std::string(*word);
    return std::visit(pakko::Overloaded{
                          [](const S::Option& option) { return type_name(*option.inner) + "?"; },
                          [](const S::Vec& vec) { return "Array<" + type_name(*vec.element) + ">"; },
                          [](const S::Map& map) {
                              return "MutableMap<" + type_name(*map.key) + ", " + type_name(*map.value) + ">";
                          },
                          [&](const auto&) { return "model." + class_name(schema); },
                      },
                      schema.value);
}

std::optional<std::string_view> default_value(const pakko::Schema& schema) {
    return std::visit(pakko::Overloaded{
                          [](const S::Bool&) -> std::optional<std::string_view> { return "false"; },
                          [](const S::Int32&) -> std::optional<std::string_view> { return "0"; },
                          [](const S::Int64&) -> std::optional<std::string_view> { return "0L"; },
                          [](const S::Float32&) -> std::optional<std::string_view> { return "0.0f"; },
                          [](const S::Float64&) -> std::optional<std::string_view> { return "0.0"; },
                          [](const S::Option&) -> std::optional<std::string_view> { return "null"; },
                          [](const auto&) -> std::optional<std::string_view> { return std::nullopt; },
                      },
                      schema.value);
}

}  // namespace pakko_gen::kotlin
