#pragma once
// Ends, from any thread, whatever waits on one connection: the owner of a
// match stops it while a player program neither answers nor reads.
#include <mutex>
#include <optional>
#include <utility>

#include "tarnwick/net/tcp_stream.hpp"

namespace tarnwick::net {

class SocketInterrupt {
public:
    // Takes a handle of its own (try_clone) and holds it until release(), so
    // that it can never reach a descriptor number that something else has
    // been given meanwhile.
    explicit SocketInterrupt(TcpStream handle) noexcept : socket_(std::move(handle)) {}

    // Shuts the connection down both ways: a blocked read returns as at the
    // end of the stream, a blocked write fails, and so do later ones. Does
    // nothing once released.
    void interrupt() noexcept;
    // Lets go of the handle; the connection then closes with its last
    // other handle, as it would without this.
    void release() noexcept;

private:
    std::mutex mutex_;
    std::optional<TcpStream> socket_;
};

}  // namespace tarnwick::net
