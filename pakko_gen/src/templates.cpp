#include "pakko_gen/templates.hpp"

#include <string>

#include <kimbly/panic.hpp>

namespace pakko_gen {

std::string_view embedded_text(std::span<const EmbeddedFile> files, std::string_view path) {
    for (const auto& file : files) {
        if (file.path == path) return file.text;
    }
    kimbly::panic("No embedded file " + std::string(path));
}

}  // namespace pakko_gen
