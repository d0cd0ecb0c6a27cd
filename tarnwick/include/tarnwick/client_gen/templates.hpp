#pragma once
// Stored texts embedded byte for byte when the program is built: the fixed
// files of the client packages, and the game's test strategies.
#include <span>
#include <string_view>

namespace tarnwick::client_gen {

struct EmbeddedFile {
    std::string_view path;
    std::string_view text;
};

// The fixed files of the client packages (tarnwick/client_templates).
std::span<const EmbeddedFile> client_templates();

// The text stored under `path`; a missing path is a fault of the program and
// stops it.
std::string_view embedded_text(std::span<const EmbeddedFile> files, std::string_view path);

inline std::string_view client_template(std::string_view path) { return embedded_text(client_templates(), path); }

}  // namespace tarnwick::client_gen
