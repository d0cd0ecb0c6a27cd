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

}  // namespace pakko_gen
