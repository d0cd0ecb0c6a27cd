#pragma once
// Stored texts embedded byte for byte when the program is built: the fixed
// files of the client packages, and the game's test strategies.
#include <span>
#include <string_view>

#include <pakko_gen/templates.hpp>

namespace tarnwick::client_gen {

using pakko_gen::embedded_text;
using pakko_gen::EmbeddedFile;

// The fixed files of the client packages (tarnwick/client_templates).
std::span<const EmbeddedFile> client_templates();

inline std::string_view client_template(std::string_view path) { return embedded_text(client_templates(), path); }

}  // namespace tarnwick::client_gen
