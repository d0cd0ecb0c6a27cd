#pragma once
// Byte sources and sinks of the encoding, and its one error type.
#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>

namespace pakko {

enum class ErrorKind {
    Other,             // the encoding's own checks
    InvalidData,       // text that is not UTF-8
    UnexpectedEof,     // "failed to fill whole buffer"
    WriteZero,         // "failed to write whole buffer"
    TimedOut,
    ConnectionReset,
    BrokenPipe,
    NotFound,
    PermissionDenied,
    Os,                // any other operating-system error
};

class IoError : public std::runtime_error {
public:
    IoError(ErrorKind kind, const std::string& message) : std::runtime_error(message), kind_(kind) {}
    ErrorKind kind() const noexcept { return kind_; }

private:
    ErrorKind kind_;
};

// Fills exactly out.size() bytes or throws IoError.
class Reader {
public:
    virtual ~Reader() = default;
    virtual void read_exact(std::span<std::byte> out) = 0;
};

// Hands over all bytes or throws IoError.
class Writer {
public:
    virtual ~Writer() = default;
    virtual void write_all(std::span<const std::byte> bytes) = 0;
    // Pushes buffered bytes to the final destination; a no-op for unbuffered sinks.
    virtual void flush() {}
};

}  // namespace pakko
