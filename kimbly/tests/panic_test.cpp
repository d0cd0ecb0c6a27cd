#include "kimbly/panic.hpp"

#include <gtest/gtest.h>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <stdexcept>
#include <string>
#include <stop_token>
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

// Blocks until the thread is asked to stop.
void wait_for_stop(const std::stop_token& stop) {
    std::mutex mutex;
    std::condition_variable_any never_notified;
    std::unique_lock lock(mutex);
    never_notified.wait(lock, stop, [] { return false; });
}

TEST_F(ThreadTest, JoinReportsHowTheBodyEnded) {
    struct Case {
        const char* name;
        void (*body)();
        bool panicked;
    };
    static constexpr Case CASES[] = {
        {"returns", [] {}, false},
        {"stops on request", [] { throw StopRequested{}; }, false},
        {"panics", [] { panic("stop"); }, true},
        {"throws std::exception", [] { throw std::runtime_error("x"); }, true},
        {"throws something else", [] { throw 42; }, true},
    };
    for (const Case& c : CASES) {
        Thread thread(c.name, c.body);
        EXPECT_EQ(thread.join(), c.panicked) << c.name;
        EXPECT_FALSE(thread.joinable()) << c.name;
        EXPECT_EQ(thread.join(), c.panicked) << c.name << ", joined again";
    }
    EXPECT_FALSE(Thread().join());
}

TEST_F(ThreadTest, AStopEndsOnlyItsOwnThread) {
    std::atomic<int> survivor_steps{0};
    Thread survivor("survivor", [&](const std::stop_token& stop) {
        wait_for_stop(stop);
        ++survivor_steps;
    });
    Thread stopper("stopper", [] { panic("only me"); });
    EXPECT_TRUE(stopper.join());
    EXPECT_EQ(survivor_steps, 0);
    survivor.request_stop();
    EXPECT_FALSE(survivor.join());
    EXPECT_EQ(survivor_steps, 1);
}

// A body that waits for its stop request makes a test hang if letting go of
// the thread does not ask it to stop before joining.
TEST_F(ThreadTest, DroppingOrReplacingAThreadStopsAndJoinsIt) {
    std::atomic<int> finished{0};
    auto until_stopped = [&](const std::stop_token& stop) {
        wait_for_stop(stop);
        ++finished;
    };
    {
        Thread thread("first", until_stopped);
        thread = Thread("second", until_stopped);
        EXPECT_EQ(finished, 1);
    }
    EXPECT_EQ(finished, 2);
}

TEST_F(ThreadTest, AStopSourceMadeBeforeTheThreadStopsIt) {
    std::stop_source stop;
    std::stop_token handed_out = stop.get_token();
    Thread thread("waiter", stop, [](const std::stop_token& token) { wait_for_stop(token); });
    stop.request_stop();
    EXPECT_FALSE(thread.join());
    EXPECT_TRUE(handed_out.stop_requested());
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
