// The real program in a window of the test's X server, used as a person
// would: started, looked at, closed with the window's close request.
#include <gtest/gtest.h>

#include <fmt/format.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include <ovra/testing/gl_test.hpp>
#include <pakko/pakko.hpp>
#include <kimbly/thread.hpp>
#include <tarnwick/lib/byte_source.hpp>
#include <tarnwick/net/tcp_listener.hpp>
#include <tarnwick/net/tcp_stream.hpp>

#include "../../program_process.hpp"
#include "../game_log_fixture.hpp"
#include "x11_window.hpp"
#include "x_server.hpp"

namespace {

using namespace velmora_test;
using namespace std::chrono_literals;
using Pixels = std::vector<std::uint8_t>;

// Shown a while after its first picture, as a person would look at it.
constexpr auto LOOK_AFTER = 1s;

struct Look {
    kimbly::Vec2Usize size;
    Pixels pixels;
};

class WindowProcess : public ProgramTest {
protected:
    // Runs the program with `args`, saves what its window shows as `picture`
    // in the build folder after `shown_for`, then closes the window; the
    // program must then end within `exit_within`.
    Look run_and_close(std::vector<std::string> args, const std::string& picture, std::chrono::seconds shown_for,
                       std::chrono::seconds exit_within = 60s) {
        Look look;
        velmora::testing::XServer server;
        EXPECT_TRUE(server.display().has_value()) << "no X server";
        if (!server.display()) return look;
        Process process(dir_, std::move(args), {"DISPLAY=" + *server.display()});
        velmora::testing::X11Session x11(*server.display());
        EXPECT_TRUE(x11.open());
        auto window = x11.find("Velmora", process.pid(), 60s);
        EXPECT_TRUE(window.has_value()) << "no window";
        if (window) {
            // A loaded machine may take a while over the first frame.
            for (int i = 0; i < 120 && uniform(x11.capture(*window, look.size)); ++i) {
                std::this_thread::sleep_for(500ms);
            }
            std::this_thread::sleep_for(shown_for);
            look.pixels = x11.capture(*window, look.size);
            EXPECT_TRUE(ovra::testing::write_png(fmt::format("{}/{}", VELMORA_BINARY_DIR, picture), look.size, look.pixels));
            x11.close(*window);
        }
        const Outcome outcome = process.wait_at_most(exit_within);
        EXPECT_EQ(outcome.status, 0) << outcome.err;
        return look;
    }

    static bool uniform(const Pixels& pixels) {
        for (std::size_t i = 4; i < pixels.size(); ++i) {
            if (pixels[i] != pixels[i % 4]) return false;
        }
        return true;
    }

    static std::size_t count_near(const Look& look, std::array<std::uint8_t, 3> colour, int tolerance) {
        std::size_t count = 0;
        for (std::size_t i = 0; i + 3 < look.pixels.size(); i += 4) {
            bool near = true;
            for (std::size_t c = 0; c < 3; ++c) near = near && std::abs(int(look.pixels[i + c]) - int(colour[c])) <= tolerance;
            count += near;
        }
        return count;
    }
};

// Every state of a game log, the initial one first; fails the test on any
// record that does not decode.
std::vector<velmora::Game> decode_log(const fs::path& path) {
    tarnwick::BufferedSource reader(std::make_unique<tarnwick::FileSource>(path));
    std::vector<velmora::Game> states{pakko::read<velmora::Game>(reader)};
    while (!reader.at_end()) {
        pakko::read<std::vector<velmora::model::Event>>(reader);
        auto delta = pakko::read<kimbly::Diff<velmora::Game>::Delta>(reader);
        velmora::Game next = states.back();
        kimbly::update(next, delta);
        states.push_back(std::move(next));
    }
    return states;
}

TEST_F(WindowProcess, WithoutArgumentsTheWindowOpensOnTheConfigurationScreen) {
    const Look look = run_and_close({}, "window_config_screen.png", LOOK_AFTER);
    ASSERT_FALSE(look.pixels.empty());
    // Black background, grey labels and white buttons.
    EXPECT_GT(count_near(look, {0, 0, 0}, 2), look.pixels.size() / 8);
    EXPECT_GT(count_near(look, {128, 128, 128}, 8), 200u);
    EXPECT_GT(count_near(look, {255, 255, 255}, 8), 200u);
}

TEST_F(WindowProcess, AReplayIsShownOnTheGameScreen) {
    velmora::testing::write_game_log(path("replay.log"), 10);
    const Look look = run_and_close({"--replay", path("replay.log").string()}, "window_replay.png", LOOK_AFTER);
    ASSERT_FALSE(look.pixels.empty());
    // The configuration screen's black is nowhere: the match fills the window.
    EXPECT_LT(count_near(look, {0, 0, 0}, 2), look.pixels.size() / 8);
}

// A client that sent its token and then neither answers nor reads: closing
// the window still ends the program at once, its game log whole.
TEST_F(WindowProcess, ClosingTheWindowEndsTheProgramWhileAClientStaysSilent) {
    const auto port = tarnwick::net::TcpListener::bind("127.0.0.1", 0).local_port();
    const std::string config_path =
        config("config.json", match_config(fmt::format(R"("QuickStart", {{"Tcp": {{"port": {}}}}})", port), 11, 40));
    kimbly::Thread client("silent client", [port](const std::stop_token& stop) {
        std::optional<tarnwick::net::TcpStream> stream;
        while (!stream && !stop.stop_requested()) {
            try {
                stream.emplace(tarnwick::net::TcpStream::connect("127.0.0.1", port));
            } catch (const pakko::IoError&) {
                std::this_thread::sleep_for(100ms);  // the program has not bound the port yet
            }
        }
        if (!stream) return;
        pakko::write(*stream, std::string());
        std::mutex mutex;
        std::condition_variable_any until_stopped;
        std::unique_lock lock(mutex);
        until_stopped.wait(lock, stop, [] { return false; });
    });
    // Without a time-out configured, the program would wait for the client
    // as long as the client likes.
    run_and_close({"--config", config_path, "--save-replay", path("live.log").string()}, "window_silent_client.png",
                  LOOK_AFTER, 5s);
    EXPECT_GE(decode_log(path("live.log")).size(), 1u);
}

TEST_F(WindowProcess, ALiveMatchSavesTheSameTicksAsTheBatchModeOfItsSeed) {
    const std::string config_path = config("config.json", match_config(R"("QuickStart", "QuickStart")", 11, 40));
    run_and_close({"--config", config_path, "--save-replay", path("live.log").string()}, "window_live.png", 4s);
    const Outcome batch =
        Process(dir_, {"--batch-mode", "--config", config_path, "--save-replay", path("batch.log").string()}).wait();
    ASSERT_EQ(batch.status, 0) << batch.err;

    const auto live = decode_log(path("live.log"));
    const auto full = decode_log(path("batch.log"));
    ASSERT_GE(live.size(), 3u) << "the live match hardly started";
    ASSERT_LE(live.size(), full.size());
    for (std::size_t tick = 0; tick < live.size(); ++tick) EXPECT_EQ(live[tick], full[tick]) << "tick " << tick;
}

}  // namespace
