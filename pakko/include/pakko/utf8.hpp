#pragma once
// Text from sources that promise UTF-8 but may not keep the promise (GL
// driver logs), where losing a character is better than losing the text.
#include <string>
#include <string_view>

namespace pakko {

// `bytes` with each ill-formed part replaced by U+FFFD: each lead byte with
// the continuation bytes that could still have completed it counts as one
// part, so a cut-off sequence becomes one replacement character.
std::string utf8_lossy(std::string_view bytes);

}  // namespace pakko
