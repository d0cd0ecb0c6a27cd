#include "kimbly/future_ext.hpp"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "test_support/child_check.hpp"
#include "kimbly/logger.hpp"
#include "kimbly/panic.hpp"

namespace kimbly::future_ext {
namespace {

// A latch the test opens when it is ready for a job to go on.
class Gate {
public:
    void open() {
        {
            std::lock_guard lock(mutex_);
            open_ = true;
        }
        cv_.notify_all();
    }
    void wait() {
        std::unique_lock lock(mutex_);
        cv_.wait(lock, [&] { return open_; });
    }

private:
    std::mutex mutex_;
    std::condition_variable cv_;
    bool open_ = false;
};

class SpawnTest : public ::testing::Test {
protected:
    void SetUp() override { previous_ = set_panic_hook([](const PanicInfo&) {}); }
    void TearDown() override { set_panic_hook(previous_); }

private:
    PanicHook previous_ = nullptr;
};

TEST_F(SpawnTest, ResultsComeBackThroughTheirOwnReceivers) {
    ThreadPool pool(3);
    std::vector<Receiver<int>> receivers;
    for (int i = 0; i < 20; ++i) receivers.push_back(spawn(pool, [i] { return i * i; }));
    for (int i = 0; i < 20; ++i) EXPECT_EQ(receivers[i].recv(), i * i);
}

TEST_F(SpawnTest, MoveOnlyJobsAndResults) {
    ThreadPool pool(1);
    auto owned = std::make_unique<std::string>("asset");
    auto receiver = spawn(pool, [owned = std::move(owned)] { return std::make_unique<std::string>(*owned + ".png"); });
    EXPECT_EQ(*receiver.recv(), "asset.png");
}

TEST_F(SpawnTest, JobThatStopsCancelsItsReceiverAndKeepsItsWorker) {
    ThreadPool pool(1);
    auto failed = spawn(pool, []() -> int { panic("bad file"); });
    auto thrown = spawn(pool, []() -> int { throw std::runtime_error("bad bytes"); });
    auto after = spawn(pool, [] { return 5; });
    try {
        failed.recv();
        FAIL() << "received a value";
    } catch (const Canceled& e) {
        EXPECT_STREQ(e.what(), "oneshot canceled");
    }
    EXPECT_THROW(thrown.recv(), Canceled);
    EXPECT_EQ(after.recv(), 5);
}

TEST_F(SpawnTest, PoolRefusesTasksAfterShutdown) {
    ThreadPool pool(2);
    EXPECT_EQ(spawn(pool, [] { return 1; }).recv(), 1);
    pool.shutdown();
    try {
        pool.execute([] {});
        FAIL() << "task accepted";
    } catch (const Panic& p) {
        EXPECT_EQ(p.message(), "ThreadPool::execute unable to send job into queue.");
    }
}

TEST(Oneshot, PollingSeesPendingThenValueThenNothing) {
    auto [sender, receiver] = oneshot<int>();
    EXPECT_EQ(receiver.try_recv(), std::nullopt);
    EXPECT_FALSE(sender.is_canceled());
    EXPECT_EQ(sender.send(7), std::nullopt);
    EXPECT_EQ(receiver.try_recv(), std::optional<int>(7));
    EXPECT_THROW(receiver.try_recv(), Canceled);
}

TEST(Oneshot, EachEndSeesTheOtherGo) {
    auto [sender, receiver] = oneshot<int>();
    {
        auto gone = std::move(receiver);
    }
    EXPECT_TRUE(sender.is_canceled());
    EXPECT_EQ(sender.send(3), std::optional<int>(3));

    auto [sender2, receiver2] = oneshot<int>();
    {
        auto gone = std::move(sender2);
    }
    EXPECT_THROW(receiver2.try_recv(), Canceled);
}

TEST(PoolSize, OneWorkerPerProcessor) {
    ThreadPool pool;
    EXPECT_EQ(pool.size(), std::max(1u, std::thread::hardware_concurrency()));
}

struct Captured {
    logger::Level level;
    std::string message;
};

class CaptureSink final : public logger::Sink {
public:
    explicit CaptureSink(std::shared_ptr<std::vector<Captured>> into) : into_(std::move(into)) {}
    bool enabled(const logger::Metadata&) const override { return true; }
    void log(const logger::Record& r) override {
        std::lock_guard lock(mutex_);
        into_->push_back({r.level, std::string(r.message)});
    }
    void flush() override {}

private:
    std::mutex mutex_;
    std::shared_ptr<std::vector<Captured>> into_;
};

// The receiver goes away while its job still runs; the stop is logged, and the
// one worker of the pool goes on serving the jobs queued behind it.
TEST(SpawnDroppedReceiver, LogsAndKeepsTheWorker) {
    EXPECT_IN_CHILD([] {
        setenv("NO_COLOR", "1", 1);
        (void)logger::init_with_level(logger::LevelFilter::Trace);
        auto records = std::make_shared<std::vector<Captured>>();
        logger::add_logger(std::make_unique<CaptureSink>(records));
        std::string failures;
        {
            ThreadPool pool(1);
            Gate started, finish;
            {
                auto dropped = spawn(pool, [&] {
                    started.open();
                    finish.wait();
                    return 1;
                });
                started.wait();
            }
            finish.open();
            for (int i = 0; i < 3; ++i) {
                if (spawn(pool, [i] { return i + 10; }).recv() != i + 10) failures += "wrong value\n";
            }
        }
        bool logged = false;
        for (const Captured& r : *records) {
            if (r.level == logger::Level::Error && r.message.rfind("panicked at 'Failed to send value'", 0) == 0) {
                logged = true;
            }
        }
        if (!logged) failures += "no error record of the failed send\n";
        return failures;
    });
}

}  // namespace
}  // namespace kimbly::future_ext
