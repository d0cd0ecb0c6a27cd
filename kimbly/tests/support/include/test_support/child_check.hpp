#pragma once
// Checks that need process-wide state of their own (the installed logger, the
// panic hook, the maximum level) run in a forked child. The body returns the
// descriptions of what went wrong; the child prints them and fails. They go
// to the standard error the child started with, which the body may redirect.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#define EXPECT_IN_CHILD(...)                                                                  \
    EXPECT_EXIT(                                                                              \
        {                                                                                     \
            int child_stderr = ::dup(STDERR_FILENO);                                          \
            std::string child_failures = (__VA_ARGS__)();                                         \
            if (::write(child_stderr, child_failures.data(), child_failures.size()) < 0) { \
            }                                                                                 \
            std::_Exit(child_failures.empty() ? 0 : 1);                                       \
        },                                                                                    \
        ::testing::ExitedWithCode(0), "")
