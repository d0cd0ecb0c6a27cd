#include "pakko_gen/names.hpp"

namespace pakko_gen {

std::string apply_renames(std::string_view text, Renames table) {
    std::string result(text);
    for (const auto& rename : table) {
        std::string next;
        std::size_t start = 0;
        for (auto found = result.find(rename.from); found != std::string::npos;
             found = result.find(rename.from, start)) {
            next.append(result, start, found - start);
            next += rename.to;
            start = found + rename.from.size();
        }
        next.append(result, start);
        result = std::move(next);
    }
    return result;
}

const pakko::Name* declared_name(const pakko::Schema& schema) {
    if (const auto* record = schema.get_if<pakko::Struct>()) return &record->name;
    if (const auto* one_of = schema.get_if<pakko::Schema::OneOf>()) return &one_of->base_name;
    if (const auto* enumeration = schema.get_if<pakko::Schema::Enum>()) return &enumeration->base_name;
    return nullptr;
}

std::string camel_type_name(const NameStyle& style, const pakko::Schema& schema) { return style.type_name(schema); }

}  // namespace pakko_gen
