#pragma once
// One connected TCP socket as a byte source and sink of the encoding.
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include <pakko/io.hpp>

#include "tarnwick/net/owned_fd.hpp"

namespace tarnwick::net {

class TcpStream final : public pakko::Reader, public pakko::Writer {
public:
    // Takes over a connected, blocking socket.
    explicit TcpStream(OwnedFd socket) noexcept : socket_(std::move(socket)) {}
    TcpStream(TcpStream&&) noexcept = default;
    TcpStream& operator=(TcpStream&&) noexcept = default;

    // Tries the host's addresses in order; throws the last failure.
    static TcpStream connect(const std::string& host, std::uint16_t port);

    // The end of the stream before `out` is full is UnexpectedEof; a read
    // time-out is TimedOut. Bytes taken before a failure are lost.
    void read_exact(std::span<std::byte> out) override;
    // Whatever is available, at least one byte, blocking until then; 0 means
    // the peer has closed its side.
    std::size_t read_some(std::span<std::byte> out);

    // Never raises SIGPIPE: a departed peer is an error like any other.
    void write_all(std::span<const std::byte> bytes) override;

    void set_nodelay(bool enabled);
    // Absent means wait without limit. A zero or negative duration is refused
    // rather than passed on, because the socket would read it as "no limit".
    void set_read_timeout(std::optional<std::chrono::milliseconds> timeout);
    void set_write_timeout(std::optional<std::chrono::milliseconds> timeout);

    // Ends reading on every handle of the connection, from any thread: a read
    // blocked on it returns as at the end of the stream. Writing still works.
    void shutdown_read() const noexcept;

    // A second handle of the same connection, so that reading and writing can
    // be owned separately.
    TcpStream try_clone() const;

    int native_handle() const noexcept { return socket_.get(); }

private:
    OwnedFd socket_;
};

}  // namespace tarnwick::net
