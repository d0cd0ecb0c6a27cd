#include "test_support/log_capture.hpp"

#include <gtest/gtest-spi.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <mutex>
#include <utility>

namespace test_support {
namespace {

namespace logger = kimbly::logger;

struct Store {
    std::mutex mutex;
    std::vector<std::pair<std::string, std::string>> lines;
};

Store& store() {
    static Store instance;
    return instance;
}

struct Sink final : logger::Sink {
    bool enabled(const logger::Metadata&) const override { return true; }
    void log(const logger::Record& record) override {
        std::lock_guard lock(store().mutex);
        store().lines.emplace_back(std::string(record.target),
                                   std::string(logger::level_name(record.level)) + " " + std::string(record.message));
    }
    void flush() override {}
};

}  // namespace

std::vector<std::string> LogCapture::records(std::string_view target) {
    std::lock_guard lock(store().mutex);
    std::vector<std::string> out;
    for (const auto& [record_target, line] : store().lines) {
        if (record_target == target) out.push_back(line);
    }
    return out;
}

void LogCapture::clear() {
    std::lock_guard lock(store().mutex);
    store().lines.clear();
}

void LogCapture::install(logger::LevelFilter level) {
    (void)logger::init_with_level(level);
    logger::add_logger(std::make_unique<Sink>());
}

void run_checked_child(logger::LevelFilter level, const std::function<void()>& body) {
    testing::TestPartResultArray failures;
    {
        testing::ScopedFakeTestPartResultReporter reporter(
            testing::ScopedFakeTestPartResultReporter::INTERCEPT_ALL_THREADS, &failures);
        LogCapture::install(level);
        body();
    }
    for (int i = 0; i < failures.size(); ++i) {
        const auto& failure = failures.GetTestPartResult(i);
        std::fprintf(stderr, "%s:%d: %s\n", failure.file_name() ? failure.file_name() : "?", failure.line_number(),
                     failure.message());
    }
    std::_Exit(failures.size() == 0 ? 0 : 1);
}

}  // namespace test_support
