#include <gtest/gtest.h>

#include <string>

#include <pakko/pakko.hpp>
#include <tarnwick/app/config_screen/tcp_player_config.hpp>
#include <tarnwick/net/tcp_stream.hpp>
#include <test_support/waits.hpp>

#include "screen_fixture.hpp"

namespace {

using namespace velmora;
using velmora::testing::click;
using velmora::testing::free_port;
using velmora::testing::ScreenTest;
namespace tcp = tarnwick::app::config_screen::player::tcp;
using TcpConfig = tcp::TcpPlayerConfig<Game>;
using Row = tarnwick::app::config_screen::player::PlayerConfigWidget<Game>;

// Asks the row until it is no longer waiting. The row learns of a client or
// a failure only when asked, as the screen asks it each frame.
tcp::Status settle(TcpConfig& config) {
    test_support::poll_until([&] { return config.ready() || config.status() != tcp::Status::Waiting; });
    return config.status();
}

using PlayerKinds = ScreenTest;

TEST_F(PlayerKinds, EachKindHasItsNameEntryAndReadiness) {
    struct Case {
        std::size_t index;
        std::string name;
        PlayerOptions entry;
        bool ready_at_once;
    };
    const tarnwick::player::tcp::TcpPlayerOptions tcp_options{.port = tcp::DEFAULT_PORT};
    const Case cases[] = {
        {0, "keyboard", {player_options::Keyboard{}}, true},
        {1, "TCP", {player_options::Tcp{tcp_options}}, false},
        {2, "quickstart", {player_options::QuickStart{}}, true},
        {3, "empty", {player_options::Empty{}}, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto config = (*types)[c.index]();
        EXPECT_EQ(config->name(), c.name);
        EXPECT_EQ(config->to_options(), c.entry);
        EXPECT_NE(config->ui(), nullptr);
        if (!c.ready_at_once) continue;
        EXPECT_TRUE(config->ready());
        EXPECT_NE(config->get(), nullptr);
    }
}

TEST_F(PlayerKinds, FourClicksOnTheKindButtonBringBackAFreshFirstKind) {
    Row row(theme, types, 1);
    auto& first = dynamic_cast<TcpConfig&>(row.config());
    click(first.port_down());
    first.ready();
    EXPECT_EQ(first.port(), tcp::DEFAULT_PORT - 1);

    const std::string names[] = {"quickstart", "empty", "keyboard", "TCP"};
    for (const auto& name : names) {
        click(row.kind_button());
        row.ui();
        EXPECT_EQ(row.config().name(), name);
    }
    EXPECT_EQ(row.index(), 1u);
    EXPECT_EQ(dynamic_cast<TcpConfig&>(row.config()).port(), tcp::DEFAULT_PORT);
}

TEST_F(PlayerKinds, TcpRowShowsNoStatusUntilItsFirstReadiness) {
    TcpConfig config(theme, free_port());
    EXPECT_EQ(config.status(), tcp::Status::None);
    EXPECT_FALSE(config.ready());
    EXPECT_EQ(config.status(), tcp::Status::Waiting);
}

TEST_F(PlayerKinds, APortStepWrapsAroundTheSixteenBitRange) {
    struct Case {
        std::uint16_t from;
        bool down;
        std::uint16_t to;
    };
    for (const Case& c : {Case{0, true, 65535}, Case{65535, false, 0}, Case{31001, true, 31000}, Case{31001, false, 31002}}) {
        SCOPED_TRACE(std::to_string(c.from) + (c.down ? " <" : " >"));
        TcpConfig config(theme, c.from);
        click(c.down ? config.port_down() : config.port_up());
        config.ready();
        EXPECT_EQ(config.port(), c.to);
        EXPECT_EQ(config.to_options(), (PlayerOptions{player_options::Tcp{{.port = c.to}}}));
    }
}

TEST_F(PlayerKinds, ALoopbackClientWithAnyTokenMakesTheRowReadyAndItsPlayerIsHandedOver) {
    const auto port = free_port();
    TcpConfig config(theme, port);
    EXPECT_FALSE(config.ready());
    auto client = tarnwick::net::TcpStream::connect("127.0.0.1", port);
    pakko::write(client, std::string("any token"));
    ASSERT_EQ(settle(config), tcp::Status::Connected);
    EXPECT_TRUE(config.ready());
    const auto line = tcp::status_line(config.status());
    EXPECT_EQ(line.text, "Player connected");
    EXPECT_EQ(line.color, (kimbly::ColorF32{0, 1, 0, 1}));

    EXPECT_NE(config.get(), nullptr);
    // The next readiness listens again on the same port.
    EXPECT_FALSE(config.ready());
    EXPECT_EQ(config.status(), tcp::Status::Waiting);
    auto second = tarnwick::net::TcpStream::connect("127.0.0.1", port);
    pakko::write(second, std::string(""));
    EXPECT_EQ(settle(config), tcp::Status::Connected);
}

TEST_F(PlayerKinds, APortInUseFailsUntilThePortChanges) {
    auto taken = tarnwick::net::TcpListener::bind("127.0.0.1", 0);
    TcpConfig config(theme, taken.local_port());
    EXPECT_EQ(settle(config), tcp::Status::Failed);
    EXPECT_FALSE(config.ready());
    EXPECT_EQ(tcp::status_line(config.status()).text, "Failed to listen specified port");
    click(config.port_up());
    config.ready();
    EXPECT_NE(config.status(), tcp::Status::Failed);
}

}  // namespace
