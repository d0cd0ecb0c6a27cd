#pragma once
// Reads a connection in large pieces so that decoding field by field does not
// cost a system call per field.
#include <cstddef>
#include <cstring>
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
    // Decoding asks for a few bytes at a time, nearly always already here:
    // that case stays inline for callers that know the reader's type.
    void read_exact(std::span<std::byte> out) override {
        if (out.size() <= end_ - begin_) {
            if (!out.empty()) std::memcpy(out.data(), buffer_.data() + begin_, out.size());
            begin_ += out.size();
            return;
        }
        read_through(out);
    }

    // The bytes already here, for a caller that checks once that a value's
    // bound fits and then reads its fields without a check each.
    std::span<const std::byte> buffered() const noexcept { return {buffer_.data() + begin_, end_ - begin_}; }
    // Marks the first `count` bytes of buffered() as read; no more than it holds.
    void consume(std::size_t count) noexcept { begin_ += count; }

    TcpStream& stream() noexcept { return stream_; }

private:
    void read_through(std::span<std::byte> out);

    TcpStream stream_;
    std::vector<std::byte> buffer_;
    std::size_t begin_ = 0;  // first unread byte in buffer_
    std::size_t end_ = 0;    // one past the last filled byte
};

}  // namespace tarnwick::net
