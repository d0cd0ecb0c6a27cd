#pragma once
// The binary encoding of every exchanged and stored value, with in-memory and
// file byte sources and sinks.
#include <cstddef>
#include <span>
#include <vector>

#include "pakko/binary.hpp"
#include "pakko/describe.hpp"
#include "pakko/file_io.hpp"
#include "pakko/io.hpp"
#include "pakko/memory_io.hpp"

namespace pakko {

[[noreturn]] void throw_trailing_bytes(std::size_t count);

// Encodes into memory; send the result whole so that a value that fails to
// encode never leaves part of itself on a connection.
template <class T>
std::vector<std::byte> to_bytes(const T& value) {
    VecWriter writer;
    pakko::write(writer, value);
    return writer.take();
}

// Decodes exactly one value: missing bytes fail with the end-of-input error,
// bytes left over fail too.
template <class T>
T from_bytes(std::span<const std::byte> bytes) {
    MemoryReader reader(bytes);
    T value = pakko::read<T>(reader);
    if (reader.remaining() != 0) throw_trailing_bytes(reader.remaining());
    return value;
}

}  // namespace pakko
