#include <gtest/gtest.h>

#include <chrono>

#include <test_support/fake_clock.hpp>
#include <test_support/log_capture.hpp>
#include <test_support/panic_message.hpp>
#include <vindle/testing/engine_fixture.hpp>

#include "vindle/debug_overlay.hpp"

namespace {

using namespace vindle;
namespace vt = vindle::testing;
using namespace std::chrono_literals;
using debug_overlay::DebugOverlay;

struct Overlay {
    explicit Overlay(std::shared_ptr<debug_overlay::Channel> channel = std::make_shared<debug_overlay::Channel>()) {
        auto state = std::make_unique<vt::Scripted>("screen", journal);
        screen = state.get();
        overlay = std::make_unique<DebugOverlay>(context.vindle->default_font(), channel, std::move(state),
                                                 clock.source());
    }
    void frame(std::chrono::steady_clock::duration step) {
        clock.advance(step);
        overlay->update(0.016);
        ovra::Framebuffer framebuffer(context.vindle->ovra());
        overlay->draw(framebuffer);
    }

    vt::FakeContext context;
    test_support::FakeClock clock;
    vt::Journal journal;
    vt::Scripted* screen;
    std::unique_ptr<DebugOverlay> overlay;
};

TEST(DebugOverlay, TheCounterReadsFpsUntilASecondIsOverThenTheMeasuredRate) {
    Overlay o;
    o.overlay->handle_event(events::KeyDown{events::Key::F3});
    for (int i = 0; i < 60; ++i) o.frame(16'666'666ns);
    EXPECT_EQ(o.overlay->fps().text(), "FPS");
    o.frame(16'666'666ns);
    EXPECT_EQ(o.overlay->fps().text(), "FPS: 60");
}

TEST(DebugOverlay, TheFirstCountAfterAHiddenTimeCoversItToo) {
    Overlay o;
    for (int i = 0; i < 3; ++i) o.frame(10s);
    o.overlay->handle_event(events::KeyDown{events::Key::F3});
    o.frame(16ms);
    EXPECT_EQ(o.overlay->fps().text(), "FPS: 0");
}

TEST(DebugOverlay, F3FlipsTheOverlayAndStillReachesTheScreen) {
    Overlay o;
    o.overlay->handle_event(events::KeyDown{events::Key::F3});
    EXPECT_TRUE(o.overlay->shown());
    o.overlay->handle_event(events::KeyUp{events::Key::F3});
    o.overlay->handle_event(events::KeyDown{events::Key::F3});
    EXPECT_FALSE(o.overlay->shown());
    EXPECT_EQ(o.journal, (vt::Journal{"screen event", "screen event", "screen event"}));
}

TEST(DebugOverlay, OnlyTheNewestTenLinesWaitAndAreShown) {
    auto channel = std::make_shared<debug_overlay::Channel>();
    for (int i = 1; i <= 12; ++i) channel->send("INFO - line " + std::to_string(i));
    Overlay o(channel);
    o.overlay->handle_event(events::KeyDown{events::Key::F3});
    o.frame(16ms);
    const auto& lines = o.overlay->console().lines();
    ASSERT_EQ(lines.size(), 10u);
    EXPECT_EQ(lines.front(), "INFO - line 3");
    EXPECT_EQ(lines.back(), "INFO - line 12");
    channel->send("WARN - line 13");
    o.frame(16ms);
    EXPECT_EQ(o.overlay->console().lines().front(), "INFO - line 4");
    EXPECT_EQ(o.overlay->console().lines().back(), "WARN - line 13");
}

TEST(DebugOverlay, TheSinkFormatsLevelAndMessage) {
    auto channel = std::make_shared<debug_overlay::Channel>();
    debug_overlay::ConsoleSink sink(channel);
    sink.log({kimbly::logger::Level::Warn, "x", "careful"});
    EXPECT_EQ(channel->take_all(), (std::deque<std::string>{"WARN - careful"}));
}

TEST(DebugOverlay, OnlyPopOrNothingPassesFromTheInnerState) {
    Overlay o;
    EXPECT_FALSE(o.overlay->transition().has_value());
    o.screen->next = transition::Pop{};
    EXPECT_TRUE(std::holds_alternative<transition::Pop>(*o.overlay->transition()));
    o.screen->next = transition::Push{std::make_unique<vt::Scripted>("pushed", o.journal)};
    EXPECT_EQ(test_support::panic_message([&] { o.overlay->transition(); }),
              "the state stack asked for a Switch or a Push");
}

}  // namespace

namespace {

TEST(DebugOverlayConsole, TheProcessChannelsFirstLineIsTheOverlaysOwnInfoLine) {
    IN_CHILD_WITH_LOG(kimbly::logger::LevelFilter::Info, [] {
        vindle::debug_overlay::Console console(vindle::debug_overlay::process_channel());
        kimbly::logger::warn("elsewhere", "after");
        console.before_draw();
        EXPECT_EQ(console.lines(),
                  (std::deque<std::string>{"INFO - Debug overlay initialized", "WARN - after"}));
    });
    IN_CHILD_WITH_LOG(kimbly::logger::LevelFilter::Warn, [] {
        vindle::debug_overlay::Console console(vindle::debug_overlay::process_channel());
        console.before_draw();
        EXPECT_TRUE(console.lines().empty());
    });
}

}  // namespace
