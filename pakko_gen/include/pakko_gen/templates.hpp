#pragma once
// Stored texts embedded byte for byte when the program is built, among them
// the fixed helper files shipped with generated code, kept as files under
// pakko_gen/templates.
#include <span>
#include <string_view>

namespace pakko_gen {

struct EmbeddedFile {
    std::string_view path;
    std::string_view text;
};

// The text stored under `path`; a missing path is a fault of the program and
// stops it.
std::string_view embedded_text(std::span<const EmbeddedFile> files, std::string_view path);

// The helper files, with their paths below pakko_gen/templates.
std::span<const EmbeddedFile> templates();

inline std::string_view template_text(std::string_view path) { return embedded_text(templates(), path); }

}  // namespace pakko_gen
