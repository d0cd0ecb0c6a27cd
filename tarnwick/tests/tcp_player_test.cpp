#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <limits>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include <fmt/format.h>
#include <kimbly/logger.hpp>
#include <kimbly/thread.hpp>
#include <pakko/pakko.hpp>

#include "fake_game.hpp"
#include "live_threads.hpp"
#include "tarnwick/lib/messages.hpp"
#include "tarnwick/net/tcp_listener.hpp"
#include "tarnwick/net/tcp_stream.hpp"
#include "tarnwick/player/tcp.hpp"

namespace {

namespace tcp = tarnwick::player::tcp;
namespace net = tarnwick::net;
using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using Player = tcp::TcpPlayer<fake::Game>;
using Server = tarnwick::ServerMessage<fake::Game>;
using Client = tarnwick::ClientMessage<fake::Game>;

// The info lines of the TCP player, kept for the whole test program.
class TcpLog {
public:
    static TcpLog& instance() {
        static TcpLog* log = [] {
            (void)kimbly::logger::init_with_level(kimbly::logger::LevelFilter::Info);
            kimbly::logger::set_max_level(kimbly::logger::LevelFilter::Info);
            auto* created = new TcpLog;
            kimbly::logger::add_logger(std::make_unique<Capture>(*created));
            return created;
        }();
        return *log;
    }

    // The lines that name this port, in order.
    std::vector<std::string> lines_of(std::uint16_t port) {
        std::lock_guard lock(mutex_);
        std::vector<std::string> found;
        const std::string suffix = " " + std::to_string(port);
        for (const auto& line : lines_) {
            if (line.size() > suffix.size() && line.ends_with(suffix)) found.push_back(line);
        }
        return found;
    }

    // Waits until `line` has been logged, for at most `limit`.
    bool wait_for(const std::string& line, std::chrono::milliseconds limit = 3s) {
        std::unique_lock lock(mutex_);
        return logged_.wait_for(lock, limit,
                                [&] { return std::find(lines_.begin(), lines_.end(), line) != lines_.end(); });
    }

private:
    class Capture final : public kimbly::logger::Sink {
    public:
        explicit Capture(TcpLog& log) : log_(log) {}
        bool enabled(const kimbly::logger::Metadata& metadata) const override {
            return metadata.target == tcp::LOG_TARGET && metadata.level == kimbly::logger::Level::Info;
        }
        void log(const kimbly::logger::Record& record) override {
            if (!enabled(record.metadata())) return;
            std::lock_guard lock(log_.mutex_);
            log_.lines_.emplace_back(record.message);
            log_.logged_.notify_all();
        }
        void flush() override {}

    private:
        TcpLog& log_;
    };

    std::mutex mutex_;
    std::condition_variable logged_;
    std::vector<std::string> lines_;
};

// A port nobody listens on right now. Every test starts here, so the capture
// of the log lines is in place before the first one is logged.
std::uint16_t free_port() {
    TcpLog::instance();
    return net::TcpListener::bind("127.0.0.1", 0).local_port();
}

tcp::TcpPlayerOptions options_on(std::uint16_t port) {
    tcp::TcpPlayerOptions options;
    options.port = port;
    options.accept_timeout = 5.0;
    return options;
}

net::TcpStream connect_with_token(std::uint16_t port, const std::string& token) {
    auto client = net::TcpStream::connect("127.0.0.1", port);
    pakko::write(client, token);
    return client;
}

std::unique_ptr<Player> ready(Player::Result result) {
    if (auto* error = std::get_if<pakko::IoError>(&result)) {
        ADD_FAILURE() << "creation failed: " << error->what();
        return nullptr;
    }
    return std::get<std::unique_ptr<Player>>(std::move(result));
}

pakko::IoError failed(Player::Result result) {
    if (auto* error = std::get_if<pakko::IoError>(&result)) return *error;
    ADD_FAILURE() << "creation succeeded";
    return pakko::IoError(pakko::ErrorKind::Other, "");
}

TEST(TcpPlayer, PlaysThroughTheConnectionAndSaysFinishWhenDestroyed) {
    const auto port = free_port();
    auto pending = Player::create(options_on(port));
    auto client = connect_with_token(port, "anything");
    auto player = ready(pending.wait());
    ASSERT_TRUE(player);

    kimbly::Thread answer("answer", [&] {
        auto request = pakko::read<Server>(client);
        auto* get_action = std::get_if<tarnwick::server_message::GetAction<fake::Game>>(&request.value);
        ASSERT_NE(get_action, nullptr);
        EXPECT_EQ(get_action->player_view, (fake::View{1, 7}));
        EXPECT_FALSE(get_action->debug_available);
        pakko::write(client, Client{tarnwick::client_message::ActionMessage<fake::Game>{fake::Action{{{3, 4}}}}});
    });
    EXPECT_EQ(player->get_action(fake::View{1, 7}, nullptr), (fake::Action{{{3, 4}}}));
    answer.join();

    player.reset();
    EXPECT_TRUE(std::holds_alternative<tarnwick::server_message::Finish>(pakko::read<Server>(client).value));
    EXPECT_EQ(TcpLog::instance().lines_of(port),
              (std::vector<std::string>{fmt::format("Waiting for connection on port {}", port),
                                        fmt::format("Got connection on port {}", port)}));
}

TEST(TcpPlayer, ChecksTheTokenByteForByte) {
    struct Case {
        std::optional<std::string> configured;
        std::string sent;
        bool accepted;
    };
    const Case cases[] = {
        {std::nullopt, "whatever", true},
        {std::nullopt, "", true},
        {"secret", "secret", true},
        {"secret", "Secret", false},
        {"secret", "secret ", false},
        {"secret", "", false},
        {"", "", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.configured.value_or("(none)") + " / " + c.sent);
        const auto port = free_port();
        auto options = options_on(port);
        options.token = c.configured;
        auto pending = Player::create(options);
        auto client = connect_with_token(port, c.sent);
        auto result = pending.wait();
        if (c.accepted) {
            EXPECT_TRUE(std::holds_alternative<std::unique_ptr<Player>>(result));
        } else {
            auto error = failed(std::move(result));
            EXPECT_EQ(error.kind(), pakko::ErrorKind::Other);
            EXPECT_STREQ(error.what(), "Token mismatch");
        }
    }
}

TEST(TcpPlayer, TokenThatCannotBeReadFailsTheCreation) {
    const auto port = free_port();
    auto pending = Player::create(options_on(port));
    {
        auto client = net::TcpStream::connect("127.0.0.1", port);
        const std::byte half_length[] = {std::byte{5}, std::byte{0}};
        client.write_all(half_length);
    }
    EXPECT_EQ(failed(pending.wait()).kind(), pakko::ErrorKind::UnexpectedEof);
}

TEST(TcpPlayer, AcceptTimeOutEndsWithConnectionReset) {
    const auto port = free_port();
    auto options = options_on(port);
    options.accept_timeout = 1.0;
    const auto start = Clock::now();
    auto pending = Player::create(options);
    auto error = failed(pending.wait());
    const auto waited = Clock::now() - start;
    EXPECT_EQ(error.kind(), pakko::ErrorKind::ConnectionReset);
    EXPECT_GE(waited, 1s);
    EXPECT_LT(waited, 3s);
    EXPECT_EQ(TcpLog::instance().lines_of(port),
              (std::vector<std::string>{fmt::format("Waiting for connection on port {}", port),
                                        fmt::format("Timeout accepting player on port {}", port),
                                        fmt::format("Stop listening port {}", port)}));
    // The port is free again.
    EXPECT_NO_THROW(net::TcpListener::bind("127.0.0.1", port));
}

TEST(TcpPlayer, SecondPlayerOnTheSamePortGetsTheBindError) {
    const auto port = free_port();
    auto first = Player::create(options_on(port));
    auto second = Player::create(options_on(port));
    EXPECT_EQ(failed(second.wait()).kind(), pakko::ErrorKind::Os);
    // Only the bound one announces itself.
    EXPECT_EQ(TcpLog::instance().lines_of(port),
              (std::vector<std::string>{fmt::format("Waiting for connection on port {}", port)}));
}

TEST(TcpPlayer, DroppedWhileWaitingStopsListening) {
    const auto port = free_port();
    auto options = options_on(port);
    options.accept_timeout.reset();
    const std::size_t baseline = live_threads::count();
    { auto pending = Player::create(options); }
    EXPECT_TRUE(live_threads::back_to(baseline));
    // Logged by the accept thread, which the drop has joined.
    EXPECT_EQ(TcpLog::instance().lines_of(port).back(), fmt::format("Stop listening port {}", port));
    EXPECT_THROW(net::TcpStream::connect("127.0.0.1", port), pakko::IoError);
}

// Dropping never waits for a silent client's token: the thread owning the
// connection is joined, and the client hears Finish either way.
TEST(TcpPlayer, DroppedAfterTheClientConnectedSendsFinish) {
    for (const bool token_sent : {false, true}) {
        SCOPED_TRACE(token_sent ? "token sent" : "token not sent");
        const auto port = free_port();
        auto pending = std::make_optional(Player::create(options_on(port)));
        auto client = net::TcpStream::connect("127.0.0.1", port);
        if (token_sent) pakko::write(client, std::string("early"));
        ASSERT_TRUE(TcpLog::instance().wait_for(fmt::format("Got connection on port {}", port)));
        pending.reset();
        client.set_read_timeout(3000ms);
        EXPECT_TRUE(std::holds_alternative<tarnwick::server_message::Finish>(pakko::read<Server>(client).value));
        // With its token in, the player may already sit unclaimed in the
        // channel, where it goes without a word.
        if (!token_sent) {
            EXPECT_EQ(TcpLog::instance().lines_of(port).back(), fmt::format("Dropping tcp player on port {}", port));
        }
    }
}

TEST(TcpPlayer, ListenerClosesAtTheAcceptEvenBeforeTheToken) {
    const auto port = free_port();
    auto options = options_on(port);
    options.timeout = 0.3;
    auto pending = Player::create(options);
    auto silent = net::TcpStream::connect("127.0.0.1", port);
    ASSERT_TRUE(TcpLog::instance().wait_for(fmt::format("Got connection on port {}", port)));
    EXPECT_THROW(net::TcpStream::connect("127.0.0.1", port), pakko::IoError);
    // The silent client's token never comes: the read time-out ends the wait.
    EXPECT_EQ(failed(pending.wait()).kind(), pakko::ErrorKind::TimedOut);
}

TEST(TcpPlayer, ClientSilentBeyondTheTimeOutFailsTheRequest) {
    const auto port = free_port();
    auto options = options_on(port);
    options.timeout = 0.5;
    auto pending = Player::create(options);
    auto client = connect_with_token(port, "");
    auto player = ready(pending.wait());
    ASSERT_TRUE(player);
    const auto start = Clock::now();
    try {
        player->get_action(fake::View{0, 0}, nullptr);
        ADD_FAILURE() << "the silent client answered";
    } catch (const tarnwick::player::PlayerError& error) {
        EXPECT_EQ(error.io_error().kind(), pakko::ErrorKind::TimedOut);
    }
    const auto waited = Clock::now() - start;
    EXPECT_GE(waited, 450ms);
    EXPECT_LT(waited, 2s);
}

// The owner of a match stops it whatever the client does: an interrupt
// from another thread ends the request the client leaves waiting, without
// any time-out configured.
TEST(TcpPlayer, AnInterruptEndsTheRequestASilentClientLeavesWaiting) {
    const auto port = free_port();
    auto pending = Player::create(options_on(port));
    auto client = connect_with_token(port, "");
    auto player = ready(pending.wait());
    ASSERT_TRUE(player);
    auto interrupt = player->interrupter();
    ASSERT_TRUE(interrupt);

    std::optional<pakko::ErrorKind> failure;
    kimbly::Thread request("request", [&] {
        try {
            player->get_action(fake::View{0, 0}, nullptr);
        } catch (const tarnwick::player::PlayerError& error) {
            failure = error.io_error().kind();
        }
    });
    // The request is out, so the player waits for the answer from now on.
    pakko::read<Server>(client);
    interrupt();
    request.join();
    EXPECT_EQ(failure, pakko::ErrorKind::UnexpectedEof);

    // Once the player is gone the interrupt reaches nothing.
    player.reset();
    interrupt();
}

TEST(TcpPlayer, TimeOutInMilliseconds) {
    struct Case {
        double seconds;
        std::optional<std::int64_t> millis;  // absent: refused
    };
    const Case cases[] = {
        {0.5, 500},
        {0.0015, 1},
        {2.9999, 2999},
        {0.0009, std::nullopt},
        {0.0, std::nullopt},
        {-1.0, std::nullopt},
        {std::nan(""), std::nullopt},
        {1e300, std::numeric_limits<std::int64_t>::max()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.seconds);
        if (c.millis) {
            EXPECT_EQ(tcp::timeout_millis(c.seconds).count(), *c.millis);
        } else {
            EXPECT_THROW(tcp::timeout_millis(c.seconds), pakko::IoError);
        }
    }
}

TEST(TcpPlayer, TooShortTimeOutFailsTheCreation) {
    const auto port = free_port();
    auto options = options_on(port);
    options.timeout = 0.0001;
    auto pending = Player::create(options);
    auto client = connect_with_token(port, "");
    EXPECT_THROW(throw failed(pending.wait()), pakko::IoError);
}

}  // namespace
