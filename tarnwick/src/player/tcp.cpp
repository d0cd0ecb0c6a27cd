#include "tarnwick/player/tcp.hpp"

#include <chrono>
#include <cstdint>
#include <limits>
#include <optional>
#include <stop_token>
#include <string>

#include <kimbly/logger.hpp>
#include <kimbly/num.hpp>
#include <pakko/pakko.hpp>

#include "tarnwick/net/buffered_reader.hpp"

namespace tarnwick::player::tcp {

std::variant<net::TcpListener, pakko::IoError> bind_listener(const TcpPlayerOptions& options) {
    try {
        auto listener = net::TcpListener::bind(options.host.value_or(std::string(DEFAULT_HOST)), options.port);
        kimbly::logger::info(LOG_TARGET, "Waiting for connection on port {}", options.port);
        return listener;
    } catch (const pakko::IoError& error) {
        return error;
    }
}

std::chrono::milliseconds timeout_millis(double seconds) {
    const auto millis = kimbly::num::saturating_cast<std::uint64_t>(seconds * 1000.0);
    if (millis == 0) {
        throw pakko::IoError(pakko::ErrorKind::Other, "cannot set a 0 duration timeout");
    }
    // The socket counts in signed milliseconds; longer than that is forever anyway.
    constexpr auto longest = static_cast<std::uint64_t>(std::numeric_limits<std::chrono::milliseconds::rep>::max());
    return std::chrono::milliseconds(static_cast<std::chrono::milliseconds::rep>(std::min(millis, longest)));
}

Connection accept_client(net::TcpListener listener, const TcpPlayerOptions& options, const std::stop_token& stop) {
    std::optional<std::chrono::duration<double>> accept_timeout;
    if (options.accept_timeout) accept_timeout = std::chrono::duration<double>(*options.accept_timeout);
    // accept_one closes the listener whatever happens: one connection per
    // player, and a client that never sends its token does not hold the port.
    net::AcceptResult accepted = listener.accept_one(accept_timeout, [&] { return !stop.stop_requested(); });
    if (auto* ended = std::get_if<net::AcceptStop>(&accepted)) {
        if (*ended == net::AcceptStop::TimedOut) {
            kimbly::logger::info(LOG_TARGET, "Timeout accepting player on port {}", options.port);
        }
        kimbly::logger::info(LOG_TARGET, "Stop listening port {}", options.port);
        throw pakko::IoError(pakko::ErrorKind::ConnectionReset, "connection reset");
    }
    kimbly::logger::info(LOG_TARGET, "Got connection on port {}", options.port);
    net::TcpStream stream = std::get<net::TcpStream>(std::move(accepted));
    if (options.timeout) {
        const auto millis = timeout_millis(*options.timeout);
        stream.set_read_timeout(millis);
        stream.set_write_timeout(millis);
    }
    stream.set_nodelay(true);
    // The stream player hands over every message whole, in one write: a
    // buffer in between would only copy it once more.
    auto writer = std::make_unique<net::TcpStream>(stream.try_clone());
    auto interruption = std::make_shared<net::SocketInterrupt>(stream.try_clone());
    auto buffered = std::make_unique<net::BufferedReader>(std::move(stream));
    net::TcpStream& socket = buffered->stream();
    // The token is bounded like an answer: its length comes from the client.
    BoundedReader reader(std::move(buffered), stream::MAX_REQUEST_BYTES);
    std::string token;
    try {
        // Without a time-out a silent client would hold the owner's stop for
        // ever; the stop ends the read instead.
        std::stop_callback interrupt(stop, [&socket] { socket.shutdown_read(); });
        // Read even when none is configured: the client always sends one.
        token = pakko::read<std::string>(reader);
    } catch (const pakko::IoError&) {
        if (!stop.stop_requested()) throw;
        // Connected but no longer wanted: handed back like a ready player
        // nobody took, which the client hears as Finish.
        return Connection{reader.release(), std::move(writer), std::move(interruption)};
    }
    if (options.token && token != *options.token) {
        throw pakko::IoError(pakko::ErrorKind::Other, "Token mismatch");
    }
    return Connection{reader.release(), std::move(writer), std::move(interruption)};
}

void log_dropped(std::uint16_t port) { kimbly::logger::info(LOG_TARGET, "Dropping tcp player on port {}", port); }

}  // namespace tarnwick::player::tcp
