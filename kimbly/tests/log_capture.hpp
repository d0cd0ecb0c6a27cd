#pragma once
// Checks of logged records. Installing the logger is once per process and
// can't be undone, so these checks run in a forked child (the test process
// itself never installs it): IN_CHILD_WITH_LOG(level, body) installs the
// logger at `level` with a capturing sink, runs body, and fails the test with
// the child's failure messages.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "kimbly/logger.hpp"

namespace kimbly::test {

class LogCapture {
public:
    // "LEVEL message" for each record of the target, oldest first.
    static std::vector<std::string> records(std::string_view target) {
        std::lock_guard lock(store().mutex);
        std::vector<std::string> out;
        for (const auto& [record_target, line] : store().lines) {
            if (record_target == target) out.push_back(line);
        }
        return out;
    }
    static void clear() {
        std::lock_guard lock(store().mutex);
        store().lines.clear();
    }

    static void install(logger::LevelFilter level) {
        (void)logger::init_with_level(level);
        logger::add_logger(std::make_unique<Sink>());
    }

private:
    struct Store {
        std::mutex mutex;
        std::vector<std::pair<std::string, std::string>> lines;
    };
    static Store& store() {
        static Store instance;
        return instance;
    }
    struct Sink final : logger::Sink {
        bool enabled(const logger::Metadata&) const override { return true; }
        void log(const logger::Record& record) override {
            std::lock_guard lock(store().mutex);
            store().lines.emplace_back(
                std::string(record.target),
                std::string(logger::level_name(record.level)) + " " + std::string(record.message));
        }
        void flush() override {}
    };
};

[[noreturn]] inline void run_checked_child(logger::LevelFilter level, const std::function<void()>& body) {
    testing::TestPartResultArray failures;
    {
        testing::ScopedFakeTestPartResultReporter reporter(
            testing::ScopedFakeTestPartResultReporter::INTERCEPT_ALL_THREADS, &failures);
        LogCapture::install(level);
        body();
    }
    for (int i = 0; i < failures.size(); ++i) {
        const auto& failure = failures.GetTestPartResult(i);
        std::fprintf(stderr, "%s:%d: %s\n", failure.file_name() ? failure.file_name() : "?",
                     failure.line_number(), failure.message());
    }
    std::_Exit(failures.size() == 0 ? 0 : 1);
}

}  // namespace kimbly::test

#define IN_CHILD_WITH_LOG(level, body) \
    EXPECT_EXIT(::kimbly::test::run_checked_child((level), (body)), ::testing::ExitedWithCode(0), "")
