#include <string>

#include "pakko/binary.hpp"
#include "pakko/memory_io.hpp"
#include "pakko/pakko.hpp"

namespace pakko {

void throw_unexpected_eof() { throw IoError(ErrorKind::UnexpectedEof, "failed to fill whole buffer"); }

void throw_bad_bool() { throw IoError(ErrorKind::Other, "Bool value should be 0 or 1"); }

void throw_invalid_size(std::int64_t value) {
    throw IoError(ErrorKind::Other, std::to_string(value) + " is invalid value");
}

void throw_invalid_size(std::uint64_t value) {
    throw IoError(ErrorKind::Other, std::to_string(value) + " is invalid value");
}

void throw_unexpected_tag(std::int32_t tag) {
    throw IoError(ErrorKind::Other, "Unexpected tag " + std::to_string(tag));
}

void throw_trailing_bytes(std::size_t count) {
    throw IoError(ErrorKind::Other, std::to_string(count) + " bytes left after the value");
}

}  // namespace pakko
