#pragma once
// Host-and-port resolution shared by listening and connecting.
#include <cstdint>
#include <string>
#include <vector>

#include <sys/socket.h>

namespace tarnwick::net {

struct SocketAddress {
    sockaddr_storage storage{};
    socklen_t length = 0;

    int family() const noexcept { return storage.ss_family; }
    const sockaddr* get() const noexcept { return reinterpret_cast<const sockaddr*>(&storage); }
    // "127.0.0.1:31001" or "[::1]:31001".
    std::string to_string() const;
};

enum class Purpose { Listen, Connect };

// The addresses of `host` in the order the system gives them. A failed
// look-up throws pakko::IoError naming the host.
std::vector<SocketAddress> resolve(const std::string& host, std::uint16_t port, Purpose purpose);

}  // namespace tarnwick::net
