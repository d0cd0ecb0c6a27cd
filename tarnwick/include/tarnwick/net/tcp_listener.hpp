#pragma once
// A listening socket that serves exactly one connection.
#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <variant>

#include "tarnwick/net/owned_fd.hpp"
#include "tarnwick/net/tcp_stream.hpp"

namespace tarnwick::net {

// Why waiting for a client ended without one.
enum class AcceptStop {
    TimedOut,   // the accept time-out passed
    Abandoned,  // the caller stopped wanting a connection
};

using AcceptResult = std::variant<TcpStream, AcceptStop>;

class TcpListener {
public:
    // How often a waiting accept looks at its time-out and at its caller.
    static constexpr std::chrono::milliseconds POLL_INTERVAL{100};

    // Binds and listens at once, trying the host's addresses in order; throws
    // pakko::IoError naming the address with the last failure (for example a
    // port already in use).
    static TcpListener bind(const std::string& host, std::uint16_t port);

    std::uint16_t local_port() const;
    bool is_open() const noexcept { return socket_.valid(); }

    // Waits for one client without ever blocking for long: checks
    // `keep_waiting` and the time-out at least every POLL_INTERVAL. The
    // listener is closed on return, whatever the outcome, so the port is free
    // again and later clients are refused instead of queueing unanswered. The
    // accepted stream is blocking. Accept failures other than "nothing
    // pending" throw pakko::IoError.
    AcceptResult accept_one(std::optional<std::chrono::duration<double>> timeout,
                            const std::function<bool()>& keep_waiting = {});

private:
    explicit TcpListener(OwnedFd socket) noexcept : socket_(std::move(socket)) {}

    OwnedFd socket_;
};

}  // namespace tarnwick::net
