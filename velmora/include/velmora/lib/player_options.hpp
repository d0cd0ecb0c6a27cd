#pragma once
// The player entries of a match configuration and how each becomes a player.
#include <memory>
#include <optional>
#include <variant>

#include <pakko/describe.hpp>
#include <tarnwick/player.hpp>
#include <tarnwick/player/simple.hpp>
#include <tarnwick/player/tcp.hpp>

#include "velmora/game.hpp"

namespace velmora {

namespace player_options {

struct Keyboard {
    bool operator==(const Keyboard&) const = default;
};
struct QuickStart {
    bool operator==(const QuickStart&) const = default;
};
struct Tcp {
    tarnwick::player::tcp::TcpPlayerOptions options;
    bool operator==(const Tcp&) const = default;
};
struct Empty {
    tarnwick::player::EmptyPlayerOptions options;
    bool operator==(const Empty&) const = default;
};

constexpr auto pakko_describe(pakko::Tag<Keyboard>) { return pakko::record<Keyboard>("Keyboard", pakko::no_doc()); }
constexpr auto pakko_describe(pakko::Tag<QuickStart>) {
    return pakko::record<QuickStart>("QuickStart", pakko::no_doc());
}
constexpr auto pakko_describe(pakko::Tag<Tcp>) {
    return pakko::wrapper<Tcp>("Tcp", pakko::no_doc(), pakko::field("options", &Tcp::options));
}
constexpr auto pakko_describe(pakko::Tag<Empty>) {
    return pakko::wrapper<Empty>("Empty", pakko::no_doc(), pakko::field("options", &Empty::options));
}

}  // namespace player_options

using PlayerBox = std::unique_ptr<tarnwick::player::Player<Game>>;
// A created player, or why it could not be created.
using PlayerCreation = std::variant<PlayerBox, tarnwick::player::PlayerError>;

// A player being created: built-in ones are ready at once, a TCP player when
// its client has connected and sent its token, or has failed.
class PendingPlayer {
public:
    explicit PendingPlayer(PlayerBox ready) : state_(std::move(ready)) {}
    explicit PendingPlayer(tarnwick::player::tcp::TcpPlayer<Game>::Pending tcp) : state_(std::move(tcp)) {}

    // Waits for the creation to end; call it once.
    PlayerCreation wait();

private:
    std::variant<PlayerBox, tarnwick::player::tcp::TcpPlayer<Game>::Pending> state_;
};

struct PlayerOptions {
    std::variant<player_options::Keyboard, player_options::QuickStart, player_options::Tcp, player_options::Empty>
        value;
    bool operator==(const PlayerOptions&) const = default;

    // The entries of the framework's own players, for its configuration screen.
    static PlayerOptions from(tarnwick::player::tcp::TcpPlayerOptions options) {
        return {player_options::Tcp{std::move(options)}};
    }
    static PlayerOptions from(tarnwick::player::EmptyPlayerOptions options) { return {player_options::Empty{options}}; }

    // Starts the creation; a TCP player's port is bound before this returns.
    PendingPlayer get() const;
};

constexpr auto pakko_describe(pakko::Tag<PlayerOptions>) {
    return pakko::one_of<PlayerOptions>("PlayerOptions", pakko::no_doc(), &PlayerOptions::value);
}

}  // namespace velmora
