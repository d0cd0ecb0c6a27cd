#pragma once
// A player program reached over TCP: the row listens on its port from the
// first frame and is ready once a client has connected and sent its token.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <variant>

#include <kimbly/color.hpp>
#include <kimbly/localization.hpp>
#include <kimbly/panic.hpp>
#include <vindle/ui/button.hpp>
#include <vindle/ui/layout.hpp>
#include <vindle/ui/theme.hpp>

#include "tarnwick/app/config_screen/player.hpp"
#include "tarnwick/app/config_screen/texts.hpp"
#include "tarnwick/player/tcp.hpp"

namespace tarnwick::app::config_screen::player::tcp {

inline constexpr std::uint16_t DEFAULT_PORT = 31001;

enum class Status {
    // Not listening: the kind was chosen in this very frame.
    None,
    Waiting,
    Failed,
    Connected,
};

struct StatusLine {
    // English; shown translated.
    std::string_view text;
    kimbly::ColorF32 color;
};

StatusLine status_line(Status status);

// The port line and the status line of a TCP row.
vindle::ui::WidgetBox settings_ui(const vindle::ui::Theme& theme, std::uint16_t port, vindle::ui::Button& down,
                                  vindle::ui::Button& up, Status status);

template <Game G>
    requires PlayerOptionsFrom<PlayerOptionsOf<G>, tarnwick::player::tcp::TcpPlayerOptions>
class TcpPlayerConfig final : public PlayerConfig<G> {
public:
    using TcpPlayer = tarnwick::player::tcp::TcpPlayer<G>;

    explicit TcpPlayerConfig(vindle::ui::ThemeHandle theme, std::uint16_t port = DEFAULT_PORT)
        : theme_(std::move(theme)) {
        options_.port = port;
    }

    std::string name() const override { return "TCP"; }

    vindle::ui::WidgetBox ui() override { return settings_ui(*theme_, options_.port, down_, up_, status()); }

    bool ready() override {
        if (down_.clicked()) change_port(static_cast<std::uint16_t>(options_.port - 1));
        if (up_.clicked()) change_port(static_cast<std::uint16_t>(options_.port + 1));
        if (!pending_) pending_.emplace(TcpPlayer::create(options_));
        if (!pending_->outcome) pending_->outcome = pending_->creation.poll();
        return status() == Status::Connected;
    }

    PlayerBox<G> get() override {
        if (!ready()) kimbly::panic("The TCP player is not connected yet");
        auto outcome = std::move(*pending_->outcome);
        pending_.reset();
        return std::get<std::unique_ptr<TcpPlayer>>(std::move(outcome));
    }

    PlayerOptionsOf<G> to_options() const override { return PlayerOptionsOf<G>::from(options_); }

    Status status() const {
        if (!pending_) return Status::None;
        if (!pending_->outcome) return Status::Waiting;
        return std::holds_alternative<pakko::IoError>(*pending_->outcome) ? Status::Failed : Status::Connected;
    }
    std::uint16_t port() const { return options_.port; }
    vindle::ui::Button& port_down() { return down_; }
    vindle::ui::Button& port_up() { return up_; }

private:
    struct Pending {
        typename TcpPlayer::Pending creation;
        // Kept once it has come: a failure stays until the port changes.
        std::optional<typename TcpPlayer::Result> outcome;
    };

    void change_port(std::uint16_t port) {
        options_.port = port;
        pending_.reset();
    }

    vindle::ui::ThemeHandle theme_;
    tarnwick::player::tcp::TcpPlayerOptions options_;
    vindle::ui::Button down_;
    vindle::ui::Button up_;
    std::optional<Pending> pending_;
};

}  // namespace tarnwick::app::config_screen::player::tcp
