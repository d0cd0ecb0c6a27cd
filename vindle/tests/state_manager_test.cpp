#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include <ovra/raw/recording_context.hpp>
#include <test_support/panic_message.hpp>
#include <vindle/testing/engine_fixture.hpp>

#include "vindle/state.hpp"

namespace {

using vindle::testing::Journal;
using vindle::testing::Scripted;

struct Stack {
    Scripted& add(const std::string& name) {
        auto state = std::make_unique<Scripted>(name, journal);
        auto& kept = *state;
        stack.push(std::move(state));
        return kept;
    }
    std::unique_ptr<Scripted> make(const std::string& name) {
        journal.push_back(name + " made");
        return std::make_unique<Scripted>(name, journal);
    }
    void frame() {
        stack.handle_event(vindle::events::Wheel{1.0});
        stack.update(0.1);
        stack.draw(framebuffer);
    }

    ovra::OvraHandle ovra = ovra::Ovra::create_with(std::make_unique<ovra_raw::RecordingContext>());
    ovra::Framebuffer framebuffer{ovra};
    Journal journal;
    vindle::StateManager stack;
};

TEST(StateManager, OnlyTheTopStateRunsAndAPushLeavesTheOneBelowUntouched) {
    Stack s;
    s.add("below");
    s.add("top").next = vindle::transition::Push{s.make("pushed")};
    s.frame();
    s.frame();
    EXPECT_EQ(s.journal, (Journal{"pushed made", "top event", "top update", "pushed draw", "pushed event",
                                  "pushed update", "pushed draw"}));
}

TEST(StateManager, SwitchDestroysTheOldTopBeforeTheNewOneTakesItsPlace) {
    Stack s;
    s.add("first").next = vindle::transition::Switch{s.make("second")};
    s.frame();
    EXPECT_EQ(s.journal, (Journal{"second made", "first event", "first update", "first destroyed", "second draw"}));
}

TEST(StateManager, AnEmptyStackDropsEventsAndAnswersPop) {
    Stack s;
    s.add("only").next = vindle::transition::Pop{};
    EXPECT_FALSE(s.stack.transition().has_value());
    s.frame();
    s.frame();
    EXPECT_EQ(s.journal, (Journal{"only event", "only update", "only destroyed"}));
    EXPECT_TRUE(s.stack.empty());
    EXPECT_TRUE(std::holds_alternative<vindle::transition::Pop>(*s.stack.transition()));
    EXPECT_EQ(test_support::panic_message([&] { s.stack.switch_to(s.make("late")); }),
              "switch on an empty state stack");
}

TEST(StateManager, ADestroyedStackDestroysItsStatesTopFirst) {
    Journal journal;
    {
        vindle::StateManager stack;
        stack.push(std::make_unique<Scripted>("bottom", journal));
        stack.push(std::make_unique<Scripted>("top", journal));
    }
    EXPECT_EQ(journal, (Journal{"top destroyed", "bottom destroyed"}));
}

}  // namespace
