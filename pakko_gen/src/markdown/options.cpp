#include "pakko_gen/markdown/options.hpp"

#include <cstdio>

namespace pakko_gen::markdown {

std::string debug_quoted(std::string_view text) {
    std::string out = "\"";
    for (char c : text) {
        switch (c) {
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            case '\t': out += "\\t"; break;
            case '\0': out += "\\0"; break;
            default:
                if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) {
                    char escaped[16];
                    std::snprintf(escaped, sizeof escaped, "\\u{%x}", static_cast<unsigned>(c));
                    out += escaped;
                } else {
                    out += c;
                }
        }
    }
    return out + "\"";
}

std::string debug_text(const Options& options) {
    return "Options {\n    language: " + debug_quoted(options.language) +
           ",\n    require_docs: " + (options.require_docs ? "true" : "false") + ",\n}";
}

}  // namespace pakko_gen::markdown
