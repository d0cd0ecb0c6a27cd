#pragma once
// The configuration screen's pieces without a display: the engine over the
// recording GL, its theme, and the kinds of player the game offers.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>

#include <tarnwick/net/tcp_listener.hpp>
#include <vindle/testing/engine_fixture.hpp>
#include <vindle/ui/button.hpp>
#include <vindle/ui/theme.hpp>

#include "velmora/app/player_configs.hpp"

namespace velmora::testing {

struct ScreenTest : ::testing::Test {
    vindle::testing::FakeContext engine;
    vindle::ui::ThemeHandle theme = vindle::ui::Theme::default_of(*engine.vindle);
    PlayerTypes types = player_types(engine.vindle, theme);
};

// What a click on the button leaves for its owner to find.
inline void click(vindle::ui::Button& button) { button.handle_event(vindle::ui::Click{vindle::ui::MouseButton::Left}); }

// A port nobody listens on right now.
inline std::uint16_t free_port() { return tarnwick::net::TcpListener::bind("127.0.0.1", 0).local_port(); }

}  // namespace velmora::testing
