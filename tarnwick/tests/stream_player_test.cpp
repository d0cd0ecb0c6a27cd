#include <gtest/gtest.h>

#include <csignal>
#include <memory>
#include <string>
#include <vector>

#include <pakko/pakko.hpp>

#include "test_support/log_capture.hpp"
#include "test_support/bytes.hpp"
#include "fake_game.hpp"
#include "tarnwick/net/buffered_reader.hpp"
#include "tarnwick/net/buffered_writer.hpp"
#include "tarnwick/net/tcp_listener.hpp"
#include "tarnwick/player/simple.hpp"
#include "tarnwick/player/stream.hpp"

using test_support::hex;
using test_support::to_hex;

namespace {

using G = fake::Game;
using tarnwick::player::DebugHandlersOf;
using tarnwick::player::DebugInterfaceOf;
using tarnwick::player::PlayerError;
using GameStreamPlayer = tarnwick::player::stream::StreamPlayer<G>;
using Command = tarnwick::debug::DebugCommand<fake::DebugData>;

// Everything that happened on the application's side, in order: bytes
// written ("write <hex>"), flushes, and calls of the debug handlers.
using Events = std::shared_ptr<std::vector<std::string>>;

class OwningReader final : public pakko::Reader {
public:
    explicit OwningReader(std::vector<std::byte> bytes) : bytes_(std::move(bytes)), reader_(bytes_) {}
    void read_exact(std::span<std::byte> out) override { reader_.read_exact(out); }

private:
    std::vector<std::byte> bytes_;
    pakko::MemoryReader reader_;
};

class RecordingWriter final : public pakko::Writer {
public:
    RecordingWriter(Events events, bool gone) : events_(events), gone_(gone) {}
    void write_all(std::span<const std::byte> bytes) override {
        if (gone_) throw pakko::IoError(pakko::ErrorKind::BrokenPipe, "Broken pipe (os error 32)");
        events_->push_back("write " + to_hex({bytes.begin(), bytes.end()}));
    }
    void flush() override { events_->push_back("flush"); }

private:
    Events events_;
    bool gone_;
};

// The client's side of the exchange, scripted in advance.
struct Peer {
    Events events = std::make_shared<std::vector<std::string>>();
    DebugHandlersOf<G> handlers{[this](std::size_t index, bool in_update, Command command) {
                                    std::string text = std::to_string(index) + (in_update ? " update " : " action ");
                                    if (auto* add = std::get_if<tarnwick::debug::Add<fake::DebugData>>(&command.value)) {
                                        text += "add " + add->data.text;
                                    } else {
                                        text += "command " + std::to_string(command.value.index());
                                    }
                                    events->push_back(text);
                                },
                                [this](std::size_t index) {
                                    events->push_back("state " + std::to_string(index));
                                    return fake::DebugState{index + 40};
                                }};

    std::unique_ptr<GameStreamPlayer> player(const std::string& client_bytes, bool gone = false) {
        return std::make_unique<GameStreamPlayer>(std::make_unique<OwningReader>(hex(client_bytes)),
                                        std::make_unique<RecordingWriter>(events, gone));
    }
};

const fake::View VIEW{2, 5};
const std::string VIEW_HEX = "02 00 00 00 05 00 00 00";
const std::string GET_ACTION_NO_DEBUG = "write 00 00 00 00 " + VIEW_HEX + " 00";
const std::string GET_ACTION_DEBUG = "write 00 00 00 00 " + VIEW_HEX + " 01";
const std::string DEBUG_UPDATE = "write 02 00 00 00 " + VIEW_HEX;
const std::string FINISH = "write 01 00 00 00";

const std::string ACTION_7 = "01 00 00 00 01 00 00 00 00 00 00 00 07 00 00 00 ";
const std::string ADD_AB = "00 00 00 00 00 00 00 00 02 00 00 00 61 62 ";
const std::string CLEAR = "00 00 00 00 01 00 00 00 ";
const std::string REQUEST_STATE = "03 00 00 00 ";
const std::string DONE = "02 00 00 00 ";

fake::Action action_7() {
    fake::Action action;
    action.values[0] = 7;
    return action;
}

std::string error_of(const std::function<void()>& request) {
    try {
        request();
    } catch (const PlayerError& error) {
        return error.what();
    }
    return "no error";
}

TEST(StreamPlayer, ActionAnsweredAtOnce) {
    Peer peer;
    auto player = peer.player(ACTION_7);
    EXPECT_EQ(player->get_action(VIEW, nullptr), action_7());
    EXPECT_EQ(*peer.events, (std::vector<std::string>{GET_ACTION_NO_DEBUG, "flush"}));
}

TEST(StreamPlayer, DebugExchangesBeforeTheAction) {
    Peer peer;
    auto player = peer.player(ADD_AB + CLEAR + REQUEST_STATE + ACTION_7);
    DebugInterfaceOf<G> debug(2, peer.handlers, false);
    EXPECT_EQ(player->get_action(VIEW, &debug), action_7());
    EXPECT_EQ(*peer.events, (std::vector<std::string>{GET_ACTION_DEBUG, "flush", "2 action add ab",
                                                      "2 action command 1", "state 2",
                                                      "write 2A 00 00 00", "flush"}));
}

TEST(StreamPlayer, WithoutDebugInterfaceCommandsAreDroppedAndStateRequestsFail) {
    Peer peer;
    auto dropping = peer.player(CLEAR + ACTION_7);
    EXPECT_EQ(dropping->get_action(VIEW, nullptr), action_7());

    auto asking = peer.player(REQUEST_STATE + ACTION_7);
    EXPECT_EQ(error_of([&] { asking->get_action(VIEW, nullptr); }),
              "IO error: Requested debug state with no debug interface available");
    EXPECT_EQ(*peer.events, (std::vector<std::string>{GET_ACTION_NO_DEBUG, "flush", GET_ACTION_NO_DEBUG, "flush"}));
}

TEST(StreamPlayer, DebugUpdateRunsUntilDone) {
    Peer peer;
    auto player = peer.player(ADD_AB + REQUEST_STATE + DONE + ACTION_7);
    DebugInterfaceOf<G> debug(1, peer.handlers, true);
    player->debug_update(VIEW, debug);
    EXPECT_EQ(*peer.events, (std::vector<std::string>{DEBUG_UPDATE, "flush", "1 update add ab", "state 1",
                                                      "write 29 00 00 00", "flush"}));
    // The next request reads on where the update stopped.
    EXPECT_EQ(player->get_action(VIEW, nullptr), action_7());
}

TEST(StreamPlayer, ProtocolViolationsFailTheRequestAndEndTheConnection) {
    struct Case {
        std::string client_bytes;
        bool debug_update;
        std::string error;
    };
    const std::vector<Case> cases{
        {DONE, false, "IO error: Unexpected debug update done message in get_action"},
        {ACTION_7, true, "IO error: Unexpected action message in debug update"},
        {CLEAR + "09 00 00 00", false, "IO error: Unexpected tag 9"},
        {"00 00 00 00 02 00 00 00 05", true, "IO error: Bool value should be 0 or 1"},
        {"", false, "IO error: failed to fill whole buffer"},
        {"01 00 00 00 01 00", false, "IO error: failed to fill whole buffer"},
    };
    for (const auto& c : cases) {
        Peer peer;
        auto player = peer.player(c.client_bytes);
        DebugInterfaceOf<G> debug(0, peer.handlers, c.debug_update);
        EXPECT_EQ(error_of([&] {
                      if (c.debug_update) {
                          player->debug_update(VIEW, debug);
                      } else {
                          player->get_action(VIEW, &debug);
                      }
                  }),
                  c.error)
            << c.client_bytes;
        EXPECT_FALSE(player->connected());
        const std::size_t written = peer.events->size();
        player.reset();
        EXPECT_EQ(peer.events->size(), written) << "a failed player still sent something";
    }
}

// A debug message of exactly `size` bytes: its text fills what the tags and
// the length leave.
std::vector<std::byte> debug_message_of(std::size_t size) {
    std::vector<std::byte> bytes = hex("00 00 00 00 00 00 00 00");
    const auto text = pakko::to_bytes(std::string(size - bytes.size() - 4, 'x'));
    bytes.insert(bytes.end(), text.begin(), text.end());
    return bytes;
}

TEST(StreamPlayer, EachRequestMayBringItsBoundOfBytesAndNoMore) {
    using tarnwick::player::stream::MAX_REQUEST_BYTES;
    const std::vector<std::byte> action = hex(ACTION_7);
    auto answer_of = [&](std::size_t size) {
        auto bytes = debug_message_of(size - action.size());
        bytes.insert(bytes.end(), action.begin(), action.end());
        return bytes;
    };
    std::vector<std::byte> client;
    for (std::size_t size : {MAX_REQUEST_BYTES, MAX_REQUEST_BYTES, MAX_REQUEST_BYTES + 1}) {
        const auto answer = answer_of(size);
        client.insert(client.end(), answer.begin(), answer.end());
    }
    Peer peer;
    GameStreamPlayer player(std::make_unique<OwningReader>(std::move(client)),
                  std::make_unique<RecordingWriter>(peer.events, false));
    EXPECT_EQ(player.get_action(VIEW, nullptr), action_7());
    EXPECT_EQ(player.get_action(VIEW, nullptr), action_7()) << "each request starts a new count";
    EXPECT_EQ(error_of([&] { player.get_action(VIEW, nullptr); }),
              "IO error: Client sent more than 8388608 bytes in answer to one request");
    EXPECT_FALSE(player.connected());
}

TEST(StreamPlayer, RequestAfterAFailureIsABrokenInvariant) {
    Peer peer;
    auto player = peer.player("");
    EXPECT_THROW(player->get_action(VIEW, nullptr), PlayerError);
    try {
        player->get_action(VIEW, nullptr);
        ADD_FAILURE() << "asked again";
    } catch (const kimbly::Panic& panic) {
        EXPECT_EQ(panic.message(), "Called get_action after error");
    }
}

TEST(StreamPlayer, DestroyingAConnectedPlayerSendsFinish) {
    Peer peer;
    peer.player("").reset();
    EXPECT_EQ(*peer.events, (std::vector<std::string>{FINISH, "flush"}));
}

TEST(StreamPlayer, FinishToAGonePeerOnlyWarns) {
    IN_CHILD_WITH_LOG(kimbly::logger::LevelFilter::Warn, [] {
        Peer peer;
        EXPECT_NO_THROW(peer.player("", true).reset());
        EXPECT_EQ(test_support::LogCapture::records("tarnwick::player::stream"),
                  (std::vector<std::string>{"WARN Broken pipe (os error 32)"}));
    });
}

TEST(StreamPlayer, FinishOverADepartedSocketNeitherThrowsNorRaisesSigpipe) {
    IN_CHILD_WITH_LOG(kimbly::logger::LevelFilter::Warn, [] {
        std::signal(SIGPIPE, SIG_DFL);  // a raised SIGPIPE would now end the child
        auto listener = tarnwick::net::TcpListener::bind("127.0.0.1", 0);
        auto client = tarnwick::net::TcpStream::connect("127.0.0.1", listener.local_port());
        auto accepted = listener.accept_one(std::chrono::seconds(5));
        auto& server = std::get<tarnwick::net::TcpStream>(accepted);
        { auto closing = std::move(client); }
        // Writes until the departure is known on this side.
        auto probe = server.try_clone();
        const std::vector<std::byte> chunk(64 * 1024);
        try {
            for (int i = 0; i < 1000; ++i) probe.write_all(chunk);
        } catch (const pakko::IoError&) {
        }
        auto writer = std::make_unique<tarnwick::net::BufferedWriter>(
            std::make_unique<tarnwick::net::TcpStream>(server.try_clone()));
        auto reader = std::make_unique<tarnwick::net::BufferedReader>(std::move(server));
        EXPECT_NO_THROW(GameStreamPlayer(std::move(reader), std::move(writer)));
        EXPECT_EQ(test_support::LogCapture::records("tarnwick::player::stream").size(), 1u);
    });
}

TEST(SimplePlayers, EmptyActsNeverAndErroredAlwaysFails) {
    Peer peer;
    DebugInterfaceOf<G> debug(0, peer.handlers, true);
    tarnwick::player::EmptyPlayer<G> empty;
    EXPECT_EQ(empty.get_action(VIEW, &debug), fake::Action{});
    EXPECT_NO_THROW(empty.debug_update(VIEW, debug));

    tarnwick::player::ErroredPlayer<G> errored("IO error: Connection refused");
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(error_of([&] { errored.get_action(VIEW, nullptr); }), "IO error: IO error: Connection refused");
        EXPECT_EQ(error_of([&] { errored.debug_update(VIEW, debug); }), "IO error: IO error: Connection refused");
    }
    EXPECT_TRUE(peer.events->empty());
}

}  // namespace
