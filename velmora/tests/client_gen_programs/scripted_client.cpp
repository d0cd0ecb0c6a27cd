// A player program for the tests of the client test game:
//   scripted_client BEHAVIOUR HOST PORT TOKEN
// plays every tick with an empty action, sends a debug command and asks for
// the debug state in each debug update, and then, as BEHAVIOUR says:
// "good" ends with 0 after Finish, "fail" with 1, "linger" never ends.
// A debug state other than the test game's fixed one ends it with 3, a
// failed connection with 4.
#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>

#include <pakko/binary.hpp>
#include <tarnwick/lib/messages.hpp>
#include <tarnwick/net/tcp_stream.hpp>

#include "velmora/game.hpp"

namespace {

using velmora::Game;
using Server = tarnwick::ServerMessage<Game>;
using Client = tarnwick::ClientMessage<Game>;
namespace cm = tarnwick::client_message;
namespace sm = tarnwick::server_message;

void send(tarnwick::net::TcpStream& stream, const Client& message) { pakko::write(stream, message); }


int play(char** argv) {
    const std::string behaviour = argv[1];
    auto stream = tarnwick::net::TcpStream::connect(argv[2], static_cast<std::uint16_t>(std::atoi(argv[3])));
    pakko::write(stream, std::string(argv[4]));
    velmora::model::DebugState expected;
    expected.window_size = {1, 1};
    while (true) {
        Server message = pakko::read<Server>(stream);
        if (std::holds_alternative<sm::Finish>(message.value)) break;
        if (std::holds_alternative<sm::GetAction<Game>>(message.value)) {
            send(stream, Client{cm::ActionMessage<Game>{}});
            continue;
        }
        send(stream, Client{cm::DebugMessage<Game>{{tarnwick::debug::Clear{}}}});
        send(stream, Client{cm::RequestDebugState{}});
        if (pakko::read<velmora::model::DebugState>(stream) != expected) return 3;
        send(stream, Client{cm::DebugUpdateDone{}});
    }
    if (behaviour == "linger") std::this_thread::sleep_for(std::chrono::hours(1));
    return behaviour == "good" ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 5) return 2;
    try {
        return play(argv);
    } catch (const std::exception&) {
        return 4;
    }
}
