#pragma once
// The fixed helper files shipped with generated code. They are kept as files
// under pakko_gen/templates and embedded into the library when it is built.
#include <string_view>

namespace pakko_gen {

// The stored text of templates/<path>, byte for byte; a missing path is a
// fault of the program and stops it.
std::string_view template_text(std::string_view path);

}  // namespace pakko_gen
