#include <gtest/gtest.h>

#include <GLFW/glfw3.h>

#include <chrono>
#include <cmath>

#include <test_support/fake_clock.hpp>
#include <test_support/panic_message.hpp>
#include <vindle/testing/engine_fixture.hpp>

namespace {

using namespace vindle;
namespace vt = vindle::testing;
using vt::Journal;
using vt::Scripted;

TEST(MainLoop, TheTimeStepIsCappedAndNaNGivesTheCap) {
    EXPECT_EQ(context::time_step(0.25, 0.1), 0.1);
    EXPECT_EQ(context::time_step(0.016, 0.1), 0.016);
    EXPECT_EQ(context::time_step(std::nan(""), 0.1), 0.1);
}

// A state whose update records the time step it got.
struct LoopRun {
    Scripted& first() {
        auto state = std::make_unique<Scripted>("first", journal);
        first_state = state.get();
        pending = std::move(state);
        return *first_state;
    }
    void run() { context::run(fake.vindle, std::move(pending), clock.source()); }

    vt::FakeContext fake;
    test_support::FakeClock clock;
    Journal journal;
    Scripted* first_state = nullptr;
    StateBox pending;
};

TEST(MainLoop, ASolePopStillPresentsDropsItsEventsAndEndsTheLoop) {
    LoopRun r;
    r.first().next = transition::Pop{};
    r.fake.window->inject(window::raw::KeyInput{GLFW_KEY_A, "a", true});
    r.run();
    EXPECT_EQ(r.journal, (Journal{"first update", "first destroyed"}));
    EXPECT_EQ(r.fake.window->presented, 1);
    EXPECT_TRUE(r.fake.window->is_key_pressed(events::Key::A));
}

TEST(MainLoop, ASwitchedInStateIsDrawnAndGetsEventsInTheSameFrame) {
    LoopRun r;
    auto& first = r.first();
    auto second = std::make_unique<Scripted>("second", r.journal);
    auto* second_state = second.get();
    first.next = transition::Switch{std::move(second)};
    r.fake.window->inject(window::raw::KeyInput{GLFW_KEY_F3, "F3", true});
    r.fake.window->on_present = [&](vt::ScriptedWindow& window) {
        if (window.presented == 1) second_state->next = transition::Pop{};
    };
    r.run();
    EXPECT_EQ(r.journal, (Journal{"first update", "first destroyed", "second draw", "second event", "second update",
                                  "second destroyed"}));
}

TEST(MainLoop, CloseEndsTheLoopAtTheNextFrameAndTheStackIsDestroyedTopFirst) {
    LoopRun r;
    r.first().next = transition::Push{std::make_unique<Scripted>("second", r.journal)};
    r.fake.window->inject(window::raw::CloseRequested{});
    r.run();
    EXPECT_EQ(r.fake.window->presented, 1);
    EXPECT_EQ(r.journal, (Journal{"first update", "second draw", "second destroyed", "first destroyed"}));
}

TEST(MainLoop, AStateThatPumpsEventsFromItsHandlerStops) {
    vt::FakeContext context;
    struct Pumping final : State {
        window::Window* window;
        void update(double) override {}
        void draw(ovra::Framebuffer&) override {}
        void handle_event(events::Event) override {
            window->inject(window::raw::KeyInput{GLFW_KEY_B, "b", true});
            window->swap_buffers();
        }
        std::optional<Transition> transition() override { return std::nullopt; }
    };
    auto state = std::make_unique<Pumping>();
    state->window = &context.vindle->window();
    context.window->inject(window::raw::KeyInput{GLFW_KEY_A, "a", true});
    EXPECT_EQ(test_support::panic_message([&] { context::run(context.vindle, std::move(state)); }), "already borrowed");
}

}  // namespace
