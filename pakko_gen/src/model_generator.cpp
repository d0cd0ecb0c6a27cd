#include "pakko_gen/model_generator.hpp"

#include <pakko/overloaded.hpp>

#include "pakko_gen/stream_util.hpp"

namespace pakko_gen {

std::string join_fields(const pakko::Struct& record, const std::function<std::string(const pakko::Field&)>& text) {
    std::string result;
    for (const auto& field : record.fields) {
        if (!result.empty()) result += ", ";
        result += text(field);
    }
    return result;
}

void visit_value(const pakko::Schema& schema, const ValueKinds& kinds) {
    using S = pakko::Schema;
    if (auto word = stream_util_word(schema)) {
        kinds.primitive(*word);
        return;
    }
    std::visit(pakko::Overloaded{
                   [&](const pakko::Struct&) { kinds.named(); },
                   [&](const S::OneOf&) { kinds.named(); },
                   [&](const S::Enum& enumeration) { kinds.enumeration(enumeration); },
                   [&](const S::Option& option) { kinds.option(option); },
                   [&](const S::Vec& vec) { kinds.vec(vec); },
                   [&](const S::Map& map) { kinds.map(map); },
                   [](const auto&) {},
               },
               schema.value);
}

}  // namespace pakko_gen
