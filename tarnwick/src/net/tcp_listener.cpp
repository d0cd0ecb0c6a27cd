#include "tarnwick/net/tcp_listener.hpp"

#include <cerrno>
#include <optional>

#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>

#include "tarnwick/net/address.hpp"
#include "tarnwick/net/os_error.hpp"

namespace tarnwick::net {

namespace {

constexpr int BACKLOG = 8;

// Closes the listener on every way out of accept_one.
struct CloseOnExit {
    OwnedFd& socket;
    ~CloseOnExit() { socket.reset(); }
};

}  // namespace

TcpListener TcpListener::bind(const std::string& host, std::uint16_t port) {
    std::optional<pakko::IoError> last_error;
    for (const SocketAddress& address : resolve(host, port, Purpose::Listen)) {
        const std::string context = "Could not listen on " + address.to_string();
        OwnedFd socket(::socket(address.family(), SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, IPPROTO_TCP));
        if (!socket.valid()) {
            last_error = os_error(errno, context);
            continue;
        }
        // Lets a rerun bind while the previous run's connections sit in
        // TIME_WAIT; unlike SO_REUSEPORT it still refuses a second listener.
        const int on = 1;
        if (::setsockopt(socket.get(), SOL_SOCKET, SO_REUSEADDR, &on, sizeof on) != 0 ||
            ::bind(socket.get(), address.get(), address.length) != 0 ||
            ::listen(socket.get(), BACKLOG) != 0) {
            last_error = os_error(errno, context);
            continue;
        }
        return TcpListener(std::move(socket));
    }
    throw *last_error;
}

std::uint16_t TcpListener::local_port() const {
    sockaddr_storage address{};
    socklen_t length = sizeof address;
    if (::getsockname(socket_.get(), reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        throw os_error(errno, "Could not read the listening address");
    }
    if (address.ss_family == AF_INET6) {
        return ntohs(reinterpret_cast<const sockaddr_in6&>(address).sin6_port);
    }
    return ntohs(reinterpret_cast<const sockaddr_in&>(address).sin_port);
}

AcceptResult TcpListener::accept_one(std::optional<std::chrono::duration<double>> timeout,
                                     const std::function<bool()>& keep_waiting) {
    if (!socket_.valid()) {
        throw pakko::IoError(pakko::ErrorKind::Other, "the listener is closed");
    }
    const CloseOnExit close_on_exit{socket_};
    const auto start = std::chrono::steady_clock::now();
    while (!keep_waiting || keep_waiting()) {
        if (timeout && std::chrono::steady_clock::now() - start > *timeout) {
            return AcceptStop::TimedOut;
        }
        // Without SOCK_NONBLOCK the accepted socket blocks, whatever the
        // listener's own mode.
        const int client = ::accept4(socket_.get(), nullptr, nullptr, SOCK_CLOEXEC);
        if (client >= 0) {
            return TcpStream(OwnedFd(client));
        }
        if (errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR) {
            throw os_error(errno, "Could not accept a connection");
        }
        // Sleeps like a fixed pause would, but wakes as soon as a client knocks.
        pollfd waiting{socket_.get(), POLLIN, 0};
        ::poll(&waiting, 1, static_cast<int>(POLL_INTERVAL.count()));
    }
    return AcceptStop::Abandoned;
}

}  // namespace tarnwick::net
