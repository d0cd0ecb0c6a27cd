#pragma once
// Checks of logged records. Installing the logger is once per process and
// can't be undone, so these checks run in a forked child (the test process
// itself never installs it): IN_CHILD_WITH_LOG(level, body) installs the
// logger at `level` with a capturing sink, runs body, and fails the test with
// the child's failure messages.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "kimbly/logger.hpp"

namespace test_support {

class LogCapture {
public:
    // "LEVEL message" for each record of the target, oldest first.
    static std::vector<std::string> records(std::string_view target);
    static void clear();
    static void install(kimbly::logger::LevelFilter level);
};

[[noreturn]] void run_checked_child(kimbly::logger::LevelFilter level, const std::function<void()>& body);

}  // namespace test_support

#define IN_CHILD_WITH_LOG(level, body) \
    EXPECT_EXIT(::test_support::run_checked_child((level), (body)), ::testing::ExitedWithCode(0), "")
