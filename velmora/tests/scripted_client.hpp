#pragma once
// Player programs for process tests: TCP clients of the running program that
// follow a script.
#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <thread>
#include <variant>

#include <pakko/pakko.hpp>
#include <tarnwick/lib/messages.hpp>
#include <tarnwick/net/tcp_stream.hpp>

#include "velmora/game.hpp"

namespace velmora_test {

enum class Ending { Finish, Silent, HangUp };

// Writes the client's whole answer to a request for its action.
using Answer = std::function<void(tarnwick::net::TcpStream&)>;

inline void answer_empty_action(tarnwick::net::TcpStream& stream) {
    pakko::write(stream, tarnwick::ClientMessage<velmora::Game>{
                             tarnwick::client_message::ActionMessage<velmora::Game>{velmora::model::Action{}}});
}

// A player program that answers every request (with an empty action unless
// told otherwise), after `answers` requests (when given) goes silent or
// hangs up.
struct ScriptedClient {
    std::string token;
    std::optional<int> answers;
    Ending ending = Ending::Finish;
    Answer answer = answer_empty_action;
};

inline void play_client(std::uint16_t port, ScriptedClient script, bool* finished) {
    using Game = velmora::Game;
    std::optional<tarnwick::net::TcpStream> stream;
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (!stream && std::chrono::steady_clock::now() < end) {
        try {
            stream.emplace(tarnwick::net::TcpStream::connect("127.0.0.1", port));
        } catch (const pakko::IoError&) {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
    }
    if (!stream) return;
    try {
        pakko::write(*stream, script.token);
        for (int answered = 0;; ++answered) {
            if (script.answers && answered == *script.answers) {
                if (script.ending == Ending::Silent) {
                    // Connected but mute until the program gives up on it.
                    std::byte unanswered[256];
                    while (stream->read_some(unanswered) > 0) {
                    }
                }
                return;
            }
            auto message = pakko::read<tarnwick::ServerMessage<Game>>(*stream);
            if (std::holds_alternative<tarnwick::server_message::Finish>(message.value)) {
                *finished = true;
                return;
            }
            if (std::holds_alternative<tarnwick::server_message::GetAction<Game>>(message.value)) {
                script.answer(*stream);
            }
        }
    } catch (const pakko::IoError&) {
    }
}

}  // namespace velmora_test
