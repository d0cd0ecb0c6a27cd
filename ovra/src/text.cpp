#include "text.hpp"

#include <kimbly/panic.hpp>
#include <pakko/binary.hpp>
#include <pakko/utf8.hpp>

namespace ovra::detail {

std::string utf8_or_stop(std::string bytes, std::string_view what) {
    kimbly::expect([&] { pakko::check_utf8(std::as_bytes(std::span(bytes.data(), bytes.size()))); }, what);
    return bytes;
}

std::string info_log_text(std::string_view bytes) {
    return pakko::utf8_lossy(bytes.substr(0, bytes.find('\0')));
}

}  // namespace ovra::detail
