#pragma once
// Reads a connection in large pieces so that decoding field by field does not
// cost a system call per field.
#include <cstddef>
#include <span>
#include <vector>

#include <pakko/io.hpp>

#include "tarnwick/net/tcp_stream.hpp"

namespace tarnwick::net {

class BufferedReader final : public pakko::Reader {
public:
    static constexpr std::size_t DEFAULT_CAPACITY = 8192;

    explicit BufferedReader(TcpStream stream, std::size_t capacity = DEFAULT_CAPACITY);

    // Errors as TcpStream::read_exact; buffered bytes are served first.
    void read_exact(std::span<std::byte> out) override;

    TcpStream& stream() noexcept { return stream_; }

private:
    TcpStream stream_;
    std::vector<std::byte> buffer_;
    std::size_t begin_ = 0;  // first unread byte in buffer_
    std::size_t end_ = 0;    // one past the last filled byte
};

}  // namespace tarnwick::net
