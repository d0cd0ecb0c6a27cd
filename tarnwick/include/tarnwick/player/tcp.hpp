#pragma once
// A player program that connects over TCP. Creating one never blocks: the
// port is bound at once and a thread of its own waits for the client, hands
// its token over and delivers the ready player (or the failure) through a
// one-shot channel.
#include <cstddef>
#include <cstdint>
#include <exception>
#include <limits>
#include <memory>
#include <optional>
#include <stop_token>
#include <string>
#include <string_view>
#include <utility>
#include <variant>

#include <nlohmann/json_fwd.hpp>

#include <kimbly/future_ext.hpp>
#include <kimbly/panic.hpp>
#include <kimbly/thread.hpp>
#include <pakko/describe.hpp>
#include <pakko/io.hpp>
#include <pakko/json_value.hpp>

#include "tarnwick/net/socket_interrupt.hpp"
#include "tarnwick/net/tcp_listener.hpp"
#include "tarnwick/player.hpp"
#include "tarnwick/player/stream.hpp"

// Ports are the one 16-bit number of the configuration files; they exist
// only in JSON, where anything outside 0..65535 is refused.
template <>
struct pakko::Traits<std::uint16_t> {
    static nlohmann::ordered_json to_json(std::uint16_t value);
    static std::uint16_t from_json(const pakko::json::Value& value);
};

namespace tarnwick::player::tcp {

inline constexpr std::string_view LOG_TARGET = "tarnwick::player::tcp";
inline constexpr std::string_view DEFAULT_HOST = "127.0.0.1";

struct TcpPlayerOptions {
    std::optional<std::string> host{};    // DEFAULT_HOST when absent
    std::uint16_t port = 0;
    std::optional<double> accept_timeout{};  // seconds; absent waits without limit
    std::optional<double> timeout{};         // seconds per read or write; absent: none
    std::optional<std::string> token{};      // absent accepts any token

    bool operator==(const TcpPlayerOptions&) const = default;
};

constexpr auto pakko_describe(pakko::Tag<TcpPlayerOptions>) {
    using O = TcpPlayerOptions;
    return pakko::record<O>("TcpPlayerOptions", pakko::no_doc(), pakko::field("host", &O::host),
                            pakko::field("port", &O::port), pakko::field("accept_timeout", &O::accept_timeout),
                            pakko::field("timeout", &O::timeout), pakko::field("token", &O::token));
}

// The two ends of an accepted, checked connection, and the way to end what
// waits on it.
struct Connection {
    std::unique_ptr<pakko::Reader> reader;
    std::unique_ptr<pakko::Writer> writer;
    std::shared_ptr<net::SocketInterrupt> interrupt;
};

// Binds (host, port), logging "Waiting for connection on port {}" on success;
// a failed bind is returned, not logged.
std::variant<net::TcpListener, pakko::IoError> bind_listener(const TcpPlayerOptions& options);

// The accept thread's work up to a ready connection: waits for one client
// until `stop` is requested, closes the listener, sets the time-outs and
// no-delay, reads the token and checks it. A stop while the token is awaited
// gives the connection unchecked, for the caller to drop. Throws
// pakko::IoError.
Connection accept_client(net::TcpListener listener, const TcpPlayerOptions& options, const std::stop_token& stop);

// The read and write time-out for `timeout` seconds; throws pakko::IoError
// when it comes to 0 ms, which a socket would read as "no limit".
std::chrono::milliseconds timeout_millis(double seconds);

void log_dropped(std::uint16_t port);

template <Game G>
class TcpPlayer final : public Player<G> {
public:
    using Result = std::variant<std::unique_ptr<TcpPlayer>, pakko::IoError>;
    class Pending;

    // Binds at once and returns without waiting for the client.
    static Pending create(TcpPlayerOptions options);

    TcpPlayer(Connection connection, std::uint16_t port)
        : interrupt_(std::move(connection.interrupt)),
          stream_(std::move(connection.reader), std::move(connection.writer)),
          port_(port) {}
    TcpPlayer(const TcpPlayer&) = delete;
    TcpPlayer& operator=(const TcpPlayer&) = delete;
    // The interrupt's own handle goes first, so that the connection closes
    // with the stream, after its Finish, as if there were none.
    ~TcpPlayer() override {
        if (interrupt_) interrupt_->release();
    }

    ActionOf<G> get_action(const PlayerViewOf<G>& view, DebugInterfaceOf<G>* debug_interface) override {
        return stream_.get_action(view, debug_interface);
    }
    ActionOf<G> get_action_from_state(const G& state, std::size_t player_index,
                                      DebugInterfaceOf<G>* debug_interface) override {
        return stream_.get_action_from_state(state, player_index, debug_interface);
    }
    void debug_update(const PlayerViewOf<G>& view, DebugInterfaceOf<G>& debug_interface) override {
        stream_.debug_update(view, debug_interface);
    }
    Interrupt interrupter() override {
        if (!interrupt_) return nullptr;
        return [interrupt = interrupt_] { interrupt->interrupt(); };
    }

    std::uint16_t port() const { return port_; }

private:
    std::shared_ptr<net::SocketInterrupt> interrupt_;
    stream::StreamPlayer<G> stream_;
    std::uint16_t port_;
};

// The creation in progress; it owns the accept thread. Dropping it tells the
// thread that the player is no longer wanted and waits for the thread, which
// ends within a poll interval, or at once while it waits for the token.
template <Game G>
class TcpPlayer<G>::Pending {
public:
    Pending(kimbly::future_ext::Receiver<Result> receiver, kimbly::Thread accept_thread)
        : receiver_(std::move(receiver)), accept_thread_(std::move(accept_thread)) {}
    Pending(Pending&&) noexcept = default;
    // Member by member in declaration order: the channel before the thread,
    // as in the destructor.
    Pending& operator=(Pending&&) noexcept = default;
    ~Pending() {
        // The channel goes first, so that a player delivered from now on comes
        // back to the thread and is logged as dropped there; the thread is
        // then asked to stop and joined.
        receiver_.reset();
    }

    // The client or the failure once the accept thread has delivered it,
    // none before; never waits. The result is handed out once.
    std::optional<Result> poll() {
        try {
            return receiver_->try_recv();
        } catch (const kimbly::future_ext::Canceled&) {
            kimbly::panic("The accept thread ended without a result");
        }
    }

    // Waits for the client or the failure.
    Result wait() {
        try {
            return receiver_->recv();
        } catch (const kimbly::future_ext::Canceled&) {
            kimbly::panic("The accept thread ended without a result");
        }
    }

private:
    std::optional<kimbly::future_ext::Receiver<Result>> receiver_;
    kimbly::Thread accept_thread_;
};

template <Game G>
typename TcpPlayer<G>::Pending TcpPlayer<G>::create(TcpPlayerOptions options) {
    auto [sender, receiver] = kimbly::future_ext::oneshot<Result>();
    auto bound = std::make_shared<std::variant<net::TcpListener, pakko::IoError>>(bind_listener(options));
    auto shared_sender = std::make_shared<kimbly::future_ext::Sender<Result>>(std::move(sender));
    kimbly::Thread accept_thread("tcp accept", [shared_sender, bound, options](const std::stop_token& stop) {
        Result result = [&]() -> Result {
            try {
                if (auto* error = std::get_if<pakko::IoError>(bound.get())) throw *error;
                Connection connection = accept_client(std::get<net::TcpListener>(std::move(*bound)), options, stop);
                return std::make_unique<TcpPlayer>(std::move(connection), options.port);
            } catch (const pakko::IoError& error) {
                return error;
            }
        }();
        if (auto returned = shared_sender->send(std::move(result))) {
            if (auto* player = std::get_if<std::unique_ptr<TcpPlayer>>(&*returned)) {
                log_dropped(options.port);
                player->reset();
            }
        }
    });
    return Pending(std::move(receiver), std::move(accept_thread));
}

}  // namespace tarnwick::player::tcp
