#include "kimbly/panic.hpp"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <stdexcept>
#include <string>
#include <thread>
#include <type_traits>

#include "kimbly/logger.hpp"
#include "kimbly/thread.hpp"

namespace kimbly {
namespace {

// A recoverable-error handler must never swallow a fatal stop.
static_assert(!std::is_base_of_v<std::exception, Panic>);

// Keeps the default hook's lines out of the test output.
class QuietHook : public ::testing::Test {
protected:
    void SetUp() override { previous_ = set_panic_hook([](const PanicInfo&) {}); }
    void TearDown() override { set_panic_hook(previous_); }

private:
    PanicHook previous_ = nullptr;
};

using PanicTest = QuietHook;

TEST_F(PanicTest, CarriesMessageAndPlace) {
    std::source_location here = std::source_location::current();
    try {
        panic("broken invariant", here);
        FAIL() << "panic returned";
    } catch (const std::exception&) {
        FAIL() << "caught as a recoverable error";
    } catch (const Panic& p) {
        EXPECT_EQ(p.message(), "broken invariant");
        EXPECT_EQ(p.location().line(), here.line());
    }
}

TEST_F(PanicTest, ExpectJoinsMessageAndError) {
    try {
        expect([]() -> int { throw std::runtime_error("disk full"); }, "Failed to save");
        FAIL() << "expect returned";
    } catch (const Panic& p) {
        EXPECT_EQ(p.message(), "Failed to save: disk full");
    }
    EXPECT_EQ(expect([] { return 7; }, "Failed to count"), 7);
}

using ThreadTest = QuietHook;

TEST_F(ThreadTest, JoinReportsHowTheBodyEnded) {
    struct Case {
        const char* name;
        void (*body)();
        bool panicked;
    };
    static constexpr Case CASES[] = {
        {"returns", [] {}, false},
        {"panics", [] { panic("stop"); }, true},
        {"throws std::exception", [] { throw std::runtime_error("x"); }, true},
        {"throws something else", [] { throw 42; }, true},
    };
    for (const Case& c : CASES) {
        Thread thread(c.name, c.body);
        EXPECT_EQ(thread.join(), c.panicked) << c.name;
        EXPECT_FALSE(thread.joinable()) << c.name;
    }
}

TEST_F(ThreadTest, AStopEndsOnlyItsOwnThread) {
    std::atomic<bool> release{false};
    std::atomic<int> survivor_steps{0};
    Thread survivor("survivor", [&] {
        while (!release) std::this_thread::sleep_for(std::chrono::milliseconds(1));
        ++survivor_steps;
    });
    Thread stopper("stopper", [] { panic("only me"); });
    EXPECT_TRUE(stopper.join());
    release = true;
    EXPECT_FALSE(survivor.join());
    EXPECT_EQ(survivor_steps, 1);
}

TEST_F(ThreadTest, DroppingOrReplacingAThreadWaitsForIt) {
    std::atomic<int> finished{0};
    auto slow = [&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        ++finished;
    };
    {
        Thread thread = spawn_thread("first", slow);
        thread = spawn_thread("second", slow);
        // The first has been joined; the second may already be done too.
        EXPECT_GE(finished, 1);
    }
    EXPECT_EQ(finished, 2);
}

TEST(PanicExit, MainEndsWith101AndTheMessageOnStandardError) {
    EXPECT_EXIT(
        {
            setenv("NO_COLOR", "1", 1);
            (void)logger::init();
            std::exit(run_main([]() -> int { panic("Failed to start: no map"); }));
        },
        ::testing::ExitedWithCode(PANIC_EXIT_STATUS),
        "^ERROR - panicked at 'Failed to start: no map', [^\n]*panic_test.cpp:[0-9]+:[0-9]+\nERROR - ");
}

TEST(PanicExit, RunMainPassesTheStatusThrough) { EXPECT_EQ(run_main([] { return 3; }), 3); }

TEST(PanicExit, TerminateReportsTheExceptionAndEndsWith101) {
    EXPECT_EXIT(
        {
            install_terminate_handler();
            // Escaping a thread that is not ours terminates the process.
            std::thread([] { throw std::runtime_error("lost"); }).join();
        },
        ::testing::ExitedWithCode(PANIC_EXIT_STATUS), "panicked at 'uncaught exception: lost'");
}

TEST(PanicExit, StopWithoutLoggerStillPrintsOneLine) {
    EXPECT_EXIT(std::exit(run_main([]() -> int { panic("early"); })), ::testing::ExitedWithCode(PANIC_EXIT_STATUS),
                "^panicked at 'early', [^\n]*\n$");
}

}  // namespace
}  // namespace kimbly
