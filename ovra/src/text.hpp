#pragma once
// Texts that GL hands back.
#include <string>
#include <string_view>

namespace ovra::detail {

// `bytes` as text; bytes that are not UTF-8 stop the program, naming `what`.
std::string utf8_or_stop(std::string bytes, std::string_view what);

// A compile or link log: GL counts the log's terminating NUL in its length
// (Mesa does), so the text ends at the first NUL; a log that is not UTF-8 is
// converted lossily, since the driver's message is all the user gets.
std::string info_log_text(std::string_view bytes);

}  // namespace ovra::detail
