#include "pakko_gen/stream_util.hpp"

#include <pakko/overloaded.hpp>

namespace pakko_gen {

std::optional<std::string_view> stream_util_word(const pakko::Schema& schema) {
    using S = pakko::Schema;
    return std::visit(pakko::Overloaded{
                          [](const S::Bool&) -> std::optional<std::string_view> { return "Boolean"; },
                          [](const S::Int32&) -> std::optional<std::string_view> { return "Int"; },
                          [](const S::Int64&) -> std::optional<std::string_view> { return "Long"; },
                          [](const S::Float32&) -> std::optional<std::string_view> { return "Float"; },
                          [](const S::Float64&) -> std::optional<std::string_view> { return "Double"; },
                          [](const S::String&) -> std::optional<std::string_view> { return "String"; },
                          [](const auto&) -> std::optional<std::string_view> { return std::nullopt; },
                      },
                      schema.value);
}

}  // namespace pakko_gen
