#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <unistd.h>

#include "tarnwick/net/buffered_reader.hpp"
#include "tarnwick/net/buffered_writer.hpp"
#include "tarnwick/net/sigpipe.hpp"
#include "tarnwick/net/tcp_listener.hpp"
#include "tarnwick/net/tcp_stream.hpp"

namespace {

namespace net = tarnwick::net;
using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

const std::string LOOPBACK = "127.0.0.1";

std::vector<std::byte> bytes_of(std::string_view text) {
    const auto view = std::as_bytes(std::span(text));
    return {view.begin(), view.end()};
}

std::string read_text(pakko::Reader& reader, std::size_t size) {
    std::string text(size, '\0');
    reader.read_exact(std::as_writable_bytes(std::span(text)));
    return text;
}

struct Connection {
    net::TcpStream client;
    net::TcpStream server;
};

Connection connect_loopback() {
    auto listener = net::TcpListener::bind(LOOPBACK, 0);
    auto client = net::TcpStream::connect(LOOPBACK, listener.local_port());
    auto accepted = listener.accept_one(5s);
    return {std::move(client), std::get<net::TcpStream>(std::move(accepted))};
}

// Restores the previous SIGPIPE disposition when the test ends.
class SigpipeDisposition {
public:
    explicit SigpipeDisposition(void (*handler)(int)) {
        struct sigaction action {};
        action.sa_handler = handler;
        sigemptyset(&action.sa_mask);
        ::sigaction(SIGPIPE, &action, &saved_);
    }
    ~SigpipeDisposition() { ::sigaction(SIGPIPE, &saved_, nullptr); }

private:
    struct sigaction saved_ {};
};

bool is_departed_peer(pakko::ErrorKind kind) {
    return kind == pakko::ErrorKind::BrokenPipe || kind == pakko::ErrorKind::ConnectionReset;
}

TEST(TcpConnection, CarriesBytesBothWaysAndThroughASecondHandle) {
    auto [client, server] = connect_loopback();
    server.set_nodelay(true);

    client.write_all(bytes_of("token"));
    EXPECT_EQ(read_text(server, 5), "token");

    auto server_writer = server.try_clone();
    server_writer.write_all(bytes_of("reply"));
    EXPECT_EQ(read_text(client, 5), "reply");
}

TEST(TcpListenerAccept, ServesOneClientThenRefusesTheNext) {
    auto listener = net::TcpListener::bind(LOOPBACK, 0);
    const auto port = listener.local_port();
    // The client knocks only after the listener has found nobody once.
    std::optional<net::TcpStream> late_client;
    int polls = 0;
    auto accepted = listener.accept_one(5s, [&] {
        if (++polls == 2) {
            late_client = net::TcpStream::connect(LOOPBACK, port);
            late_client->write_all(bytes_of("x"));
        }
        return true;
    });
    EXPECT_EQ(polls, 2);

    ASSERT_TRUE(std::holds_alternative<net::TcpStream>(accepted));
    EXPECT_EQ(read_text(std::get<net::TcpStream>(accepted), 1), "x");
    EXPECT_FALSE(listener.is_open());
    try {
        net::TcpStream::connect(LOOPBACK, port);
        FAIL() << "a second client was let in";
    } catch (const pakko::IoError& error) {
        EXPECT_NE(std::string(error.what()).find("Connection refused"), std::string::npos) << error.what();
    }
}

TEST(TcpListenerAccept, StopsWithoutAClientAndFreesThePort) {
    struct Case {
        const char* name;
        std::optional<std::chrono::duration<double>> timeout;
        int polls_wanted;  // keep_waiting answers true this many times
        net::AcceptStop expected;
        std::chrono::milliseconds at_least;
    };
    const Case cases[] = {
        {"time-out passes", 0.2s, 1000, net::AcceptStop::TimedOut, 200ms},
        {"caller gives up", std::nullopt, 3, net::AcceptStop::Abandoned, 200ms},
        {"caller gives up before the time-out", 10s, 2, net::AcceptStop::Abandoned, 100ms},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto listener = net::TcpListener::bind(LOOPBACK, 0);
        const auto port = listener.local_port();
        int polls = 0;
        const auto start = Clock::now();
        auto result = listener.accept_one(c.timeout, [&] { return polls++ < c.polls_wanted; });
        const auto elapsed = Clock::now() - start;

        ASSERT_TRUE(std::holds_alternative<net::AcceptStop>(result));
        EXPECT_EQ(std::get<net::AcceptStop>(result), c.expected);
        EXPECT_GE(elapsed, c.at_least);
        EXPECT_LT(elapsed, 5s);
        EXPECT_FALSE(listener.is_open());
        EXPECT_NO_THROW(net::TcpListener::bind(LOOPBACK, port));
    }
}

TEST(TcpListenerBind, SaysWhyItCannotListen) {
    auto occupant = net::TcpListener::bind(LOOPBACK, 0);
    const auto taken = occupant.local_port();
    struct Case {
        const char* name;
        std::string host;
        std::uint16_t port;
        std::string expected;
    };
    const Case cases[] = {
        {"port in use", LOOPBACK, taken,
         "Could not listen on 127.0.0.1:" + std::to_string(taken) + ": Address already in use (os error 98)"},
        // Documentation range: never an address of this machine.
        {"address of another machine", "192.0.2.1", 0,
         "Could not listen on 192.0.2.1:0: Cannot assign requested address (os error 99)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        try {
            net::TcpListener::bind(c.host, c.port);
            FAIL() << "bound";
        } catch (const pakko::IoError& error) {
            EXPECT_EQ(std::string(error.what()), c.expected);
        }
    }
}

TEST(TcpStreamTimeouts, ASilentPeerTimesOutTheRead) {
    auto [client, server] = connect_loopback();
    server.set_read_timeout(100ms);
    std::byte buffer[4];
    const auto start = Clock::now();
    try {
        server.read_exact(buffer);
        FAIL() << "read returned";
    } catch (const pakko::IoError& error) {
        EXPECT_EQ(error.kind(), pakko::ErrorKind::TimedOut) << error.what();
    }
    EXPECT_GE(Clock::now() - start, 90ms);
}

TEST(TcpStreamTimeouts, APeerThatStopsReadingTimesOutTheWrite) {
    auto [client, server] = connect_loopback();
    server.set_write_timeout(100ms);
    const std::vector<std::byte> chunk(1 << 20);
    try {
        // Far more than any socket buffer holds.
        for (int i = 0; i < 512; ++i) {
            server.write_all(chunk);
        }
        FAIL() << "the peer took everything";
    } catch (const pakko::IoError& error) {
        EXPECT_EQ(error.kind(), pakko::ErrorKind::TimedOut) << error.what();
    }
}

TEST(TcpStreamTimeouts, RefusesDurationsTheSocketWouldTakeAsNoLimit) {
    auto [client, server] = connect_loopback();
    for (const auto timeout : {0ms, -5ms}) {
        SCOPED_TRACE(timeout.count());
        EXPECT_THROW(server.set_read_timeout(timeout), pakko::IoError);
        EXPECT_THROW(server.set_write_timeout(timeout), pakko::IoError);
    }
}

TEST(TcpStreamRead, PeerClosingBeforeTheMessageEndsIsUnexpectedEof) {
    struct Case {
        const char* name;
        bool buffered;
        std::string sent;
    };
    const Case cases[] = {
        {"nothing sent", false, ""},
        {"part of a message", false, "abc"},
        {"nothing sent, buffered", true, ""},
        {"part of a message, buffered", true, "abc"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto connection = connect_loopback();
        connection.client.write_all(bytes_of(c.sent));
        { auto closing = std::move(connection.client); }

        std::unique_ptr<pakko::Reader> reader;
        if (c.buffered) {
            reader = std::make_unique<net::BufferedReader>(std::move(connection.server));
        } else {
            reader = std::make_unique<net::TcpStream>(std::move(connection.server));
        }
        std::byte buffer[8];
        try {
            reader->read_exact(buffer);
            FAIL() << "read returned";
        } catch (const pakko::IoError& error) {
            EXPECT_EQ(error.kind(), pakko::ErrorKind::UnexpectedEof);
            EXPECT_STREQ(error.what(), "failed to fill whole buffer");
        }
    }
}

TEST(BufferedReader, ServesReadsOfAnySizeInOrder) {
    auto [client, server] = connect_loopback();
    std::vector<std::byte> sent(20000);
    for (std::size_t i = 0; i < sent.size(); ++i) {
        sent[i] = static_cast<std::byte>(i * 7 % 251);
    }
    client.write_all(sent);

    net::BufferedReader reader(std::move(server));
    std::vector<std::byte> received;
    // Small reads, one spanning a refill, one larger than the buffer.
    for (std::size_t size : {1u, 3u, 8192u, 9000u, 2804u}) {
        std::vector<std::byte> part(size);
        reader.read_exact(part);
        received.insert(received.end(), part.begin(), part.end());
    }
    EXPECT_EQ(received, sent);
}

TEST(TcpStreamWrite, DepartedPeerIsAnErrorNotASignal) {
    // With the default disposition a SIGPIPE would end this test process.
    const SigpipeDisposition default_action(SIG_DFL);
    auto [client, server] = connect_loopback();
    { auto closing = std::move(client); }
    const std::vector<std::byte> chunk(64 * 1024);
    try {
        for (int i = 0; i < 1000; ++i) {
            server.write_all(chunk);
        }
        FAIL() << "writes to a closed peer kept succeeding";
    } catch (const pakko::IoError& error) {
        EXPECT_TRUE(is_departed_peer(error.kind())) << error.what();
    }
}

TEST(IgnoreSigpipe, PlainWritesToADepartedPeerFailInstead) {
    const SigpipeDisposition restore(SIG_DFL);
    net::ignore_sigpipe();
    auto [client, server] = connect_loopback();
    { auto closing = std::move(client); }
    const std::vector<char> chunk(64 * 1024);
    int error = 0;
    for (int i = 0; i < 1000 && error == 0; ++i) {
        if (::write(server.native_handle(), chunk.data(), chunk.size()) < 0) {
            error = errno;
        }
    }
    EXPECT_TRUE(error == EPIPE || error == ECONNRESET) << std::strerror(error);
}

// Records what reaches the far side of a BufferedWriter.
class FarSideWriter : public pakko::Writer {
public:
    struct Log {
        std::vector<std::string> sends;
        int flushes = 0;
        bool fail_next_send = false;
    };
    explicit FarSideWriter(Log& log) : log_(log) {}
    void write_all(std::span<const std::byte> bytes) override {
        if (std::exchange(log_.fail_next_send, false)) {
            throw pakko::IoError(pakko::ErrorKind::BrokenPipe, "Broken pipe (os error 32)");
        }
        log_.sends.emplace_back(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    }
    void flush() override { ++log_.flushes; }

private:
    Log& log_;
};

struct EncodeFailure {};

TEST(BufferedWriter, SendsWholeMessagesOnlyAndNothingOfAFailedOne) {
    FarSideWriter::Log log;
    net::BufferedWriter writer(std::make_unique<FarSideWriter>(log));

    writer.write_message([](pakko::Writer& w) {
        w.write_all(bytes_of("ab"));
        w.write_all(bytes_of("cd"));
    });
    EXPECT_THROW(writer.write_message([](pakko::Writer& w) {
        w.write_all(bytes_of("ef"));
        throw EncodeFailure{};
    }),
                 EncodeFailure);
    EXPECT_TRUE(log.sends.empty());

    writer.flush();
    EXPECT_EQ(log.sends, std::vector<std::string>{"abcd"});
    EXPECT_EQ(log.flushes, 1);
}

TEST(BufferedWriter, NeverResendsBytesOfAFailedSend) {
    FarSideWriter::Log log;
    net::BufferedWriter writer(std::make_unique<FarSideWriter>(log));
    writer.write_all(bytes_of("lost"));
    log.fail_next_send = true;
    EXPECT_THROW(writer.flush(), pakko::IoError);

    writer.write_all(bytes_of("next"));
    writer.flush();
    EXPECT_EQ(log.sends, std::vector<std::string>{"next"});
}

TEST(BufferedWriter, DropsUnflushedBytesOnDestruction) {
    FarSideWriter::Log log;
    {
        net::BufferedWriter writer(std::make_unique<FarSideWriter>(log));
        writer.write_all(bytes_of("half"));
    }
    EXPECT_TRUE(log.sends.empty());
    EXPECT_EQ(log.flushes, 0);
}

}  // namespace
