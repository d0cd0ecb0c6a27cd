#include "velmora/lib/player_options.hpp"

#include "velmora/keyboard_player.hpp"
#include "velmora/quickstart_player.hpp"

namespace velmora {

namespace {

struct Start {
    PendingPlayer operator()(const player_options::Keyboard&) const {
        return PendingPlayer(std::make_unique<keyboard_player::Player<Game>>());
    }
    PendingPlayer operator()(const player_options::QuickStart&) const {
        return PendingPlayer(std::make_unique<quickstart_player::QuickStartPlayer<Game>>());
    }
    PendingPlayer operator()(const player_options::Tcp& tcp) const {
        return PendingPlayer(tarnwick::player::tcp::TcpPlayer<Game>::create(tcp.options));
    }
    PendingPlayer operator()(const player_options::Empty&) const {
        return PendingPlayer(std::make_unique<tarnwick::player::EmptyPlayer<Game>>());
    }
};

}  // namespace

PendingPlayer PlayerOptions::get() const { return std::visit(Start{}, value); }

PlayerCreation PendingPlayer::wait() {
    if (auto* ready = std::get_if<PlayerBox>(&state_)) return std::move(*ready);
    auto result = std::get<tarnwick::player::tcp::TcpPlayer<Game>::Pending>(state_).wait();
    if (auto* error = std::get_if<pakko::IoError>(&result)) return tarnwick::player::PlayerError(*error);
    return PlayerBox(std::get<std::unique_ptr<tarnwick::player::tcp::TcpPlayer<Game>>>(std::move(result)));
}

}  // namespace velmora
