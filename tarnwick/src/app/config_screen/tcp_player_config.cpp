#include "tarnwick/app/config_screen/tcp_player_config.hpp"

#include <fmt/format.h>

namespace tarnwick::app::config_screen::player::tcp {

StatusLine status_line(Status status) {
    switch (status) {
        case Status::None:
            return {"", {1, 1, 1, 1}};
        case Status::Waiting:
            return {"Waiting for connection", {1, 1, 0, 1}};
        case Status::Failed:
            return {"Failed to listen specified port", FAILURE_COLOR};
        case Status::Connected:
            return {"Player connected", {0, 1, 0, 1}};
    }
    kimbly::panic("internal error: entered unreachable code");
}

vindle::ui::WidgetBox settings_ui(const vindle::ui::Theme& theme, std::uint16_t port, vindle::ui::Button& down,
                                  vindle::ui::Button& up, Status status) {
    namespace ui = vindle::ui;
    using kimbly::localization::translate;
    const kimbly::Vec2<double> centre{0.5, 0.5};
    auto port_text = label(theme, fmt::format("{}: {}", translate("Port"), port), CAPTION_SIZE);
    auto port_line = ui::Align(centre, ui::row(ui::Align(centre, ui::Padding(0, 8, 0, 0, std::move(port_text))),
                                               ui::Align(centre, ui::Button::text(ui::ref(down), "<", theme)),
                                               ui::Align(centre, ui::Button::text(ui::ref(up), ">", theme))));
    const StatusLine line = status_line(status);
    const std::string text = line.text.empty() ? std::string() : translate(line.text);
    auto status_text = ui::Align({0.5, 1}, label(theme, text, CAPTION_SIZE, line.color));
    return ui::boxed(ui::column(std::move(port_line), std::move(status_text)));
}

}  // namespace tarnwick::app::config_screen::player::tcp
