#include "tarnwick/net/tcp_stream.hpp"

#include <cerrno>

#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

#include "tarnwick/net/address.hpp"
#include "tarnwick/net/os_error.hpp"

namespace tarnwick::net {

namespace {

void set_timeout(int fd, int option, std::optional<std::chrono::milliseconds> timeout) {
    timeval value{};
    if (timeout) {
        if (timeout->count() <= 0) {
            throw pakko::IoError(pakko::ErrorKind::Other, "cannot set a 0 duration timeout");
        }
        const auto count = timeout->count();
        value.tv_sec = static_cast<time_t>(count / 1000);
        value.tv_usec = static_cast<suseconds_t>((count % 1000) * 1000);
    }
    if (::setsockopt(fd, SOL_SOCKET, option, &value, sizeof value) != 0) {
        throw os_error(errno, "Could not set the socket time-out");
    }
}

}  // namespace

TcpStream TcpStream::connect(const std::string& host, std::uint16_t port) {
    std::optional<pakko::IoError> last_error;
    for (const SocketAddress& address : resolve(host, port, Purpose::Connect)) {
        OwnedFd socket(::socket(address.family(), SOCK_STREAM | SOCK_CLOEXEC, IPPROTO_TCP));
        if (!socket.valid()) {
            last_error = os_error(errno, "Could not connect to " + address.to_string());
            continue;
        }
        if (::connect(socket.get(), address.get(), address.length) != 0) {
            last_error = os_error(errno, "Could not connect to " + address.to_string());
            continue;
        }
        return TcpStream(std::move(socket));
    }
    throw *last_error;
}

std::size_t TcpStream::read_some(std::span<std::byte> out) {
    if (out.empty()) {
        return 0;
    }
    while (true) {
        const ssize_t got = ::recv(socket_.get(), out.data(), out.size(), 0);
        if (got >= 0) {
            return static_cast<std::size_t>(got);
        }
        if (errno == EINTR) {
            continue;
        }
        // A blocking socket reports its receive time-out this way.
        if (errno == EAGAIN || errno == EWOULDBLOCK) {
            throw pakko::IoError(pakko::ErrorKind::TimedOut, "read timed out");
        }
        throw os_error(errno);
    }
}

void TcpStream::read_exact(std::span<std::byte> out) {
    while (!out.empty()) {
        const std::size_t got = read_some(out);
        if (got == 0) {
            throw pakko::IoError(pakko::ErrorKind::UnexpectedEof, "failed to fill whole buffer");
        }
        out = out.subspan(got);
    }
}

void TcpStream::write_all(std::span<const std::byte> bytes) {
    while (!bytes.empty()) {
        const ssize_t sent = ::send(socket_.get(), bytes.data(), bytes.size(), MSG_NOSIGNAL);
        if (sent > 0) {
            bytes = bytes.subspan(static_cast<std::size_t>(sent));
            continue;
        }
        if (sent == 0) {
            throw pakko::IoError(pakko::ErrorKind::WriteZero, "failed to write whole buffer");
        }
        if (errno == EINTR) {
            continue;
        }
        if (errno == EAGAIN || errno == EWOULDBLOCK) {
            throw pakko::IoError(pakko::ErrorKind::TimedOut, "write timed out");
        }
        throw os_error(errno);
    }
}

void TcpStream::set_nodelay(bool enabled) {
    const int value = enabled ? 1 : 0;
    if (::setsockopt(socket_.get(), IPPROTO_TCP, TCP_NODELAY, &value, sizeof value) != 0) {
        throw os_error(errno, "Could not set no-delay");
    }
}

void TcpStream::set_read_timeout(std::optional<std::chrono::milliseconds> timeout) {
    set_timeout(socket_.get(), SO_RCVTIMEO, timeout);
}

void TcpStream::set_write_timeout(std::optional<std::chrono::milliseconds> timeout) {
    set_timeout(socket_.get(), SO_SNDTIMEO, timeout);
}

void TcpStream::shutdown_read() const noexcept { ::shutdown(socket_.get(), SHUT_RD); }

TcpStream TcpStream::try_clone() const {
    OwnedFd copy(::fcntl(socket_.get(), F_DUPFD_CLOEXEC, 0));
    if (!copy.valid()) {
        throw os_error(errno, "Could not duplicate the socket");
    }
    return TcpStream(std::move(copy));
}

}  // namespace tarnwick::net
