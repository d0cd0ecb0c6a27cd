# cmake -DINPUT=<file> -DOUTPUT=<cpp> -DNAMESPACE=<ns> -DSYMBOL=<name> -P embed_bytes.cmake
# Writes a source that defines `std::span<const std::uint8_t> <ns>::<name>()`
# over the input file's bytes.
file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" digits)
math(EXPR size "${digits} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
file(WRITE "${OUTPUT}.tmp" "// Generated from ${INPUT}; do not edit.
#include <cstdint>
#include <span>

namespace ${NAMESPACE} {
namespace {
const std::uint8_t BYTES[${size}] = {
${bytes}
};
}  // namespace

std::span<const std::uint8_t> ${SYMBOL}() { return BYTES; }

}  // namespace ${NAMESPACE}
")
file(RENAME "${OUTPUT}.tmp" "${OUTPUT}")
