#include "kimbly/logger.hpp"

#include <fmt/format.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "test_support/child_check.hpp"
#include "kimbly/panic.hpp"
#include "kimbly/thread.hpp"

namespace kimbly::logger {
namespace {

struct Captured {
    Level level;
    std::string target;
    std::string message;
};

// Keeps every record it is given, in a list the test still holds after the
// sink itself has been handed to a sink list.
class CaptureSink final : public Sink {
public:
    explicit CaptureSink(std::shared_ptr<std::vector<Captured>> into) : into_(std::move(into)) {}
    bool enabled(const Metadata&) const override { return true; }
    void log(const Record& r) override { into_->push_back({r.level, std::string(r.target), std::string(r.message)}); }
    void flush() override {}

private:
    std::shared_ptr<std::vector<Captured>> into_;
};

std::shared_ptr<std::vector<Captured>> add_capture() {
    auto records = std::make_shared<std::vector<Captured>>();
    add_logger(std::make_unique<CaptureSink>(records));
    return records;
}

// Standard error of the child goes to a file, so that the test can see what
// the standard-error sink wrote so far.
std::FILE* redirect_stderr() {
    std::FILE* file = std::tmpfile();
    ::dup2(::fileno(file), STDERR_FILENO);
    return file;
}

std::string read_all(std::FILE* file) {
    std::fflush(file);
    std::string text;
    std::rewind(file);
    char buffer[4096];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0) text.append(buffer, n);
    return text;
}

constexpr Level ALL_LEVELS[] = {Level::Error, Level::Warn, Level::Info, Level::Debug, Level::Trace};

TEST(LoggerFilter, TargetsAndLevelsReachSinksOnlyWhereAllowed) {
    struct Case {
        const char* target;
        bool passes_error;
        bool passes_other;
    };
    static constexpr Case CASES[] = {
        {"mio", false, false},
        {"mio::poll", false, false},
        {"mio:x", false, false},
        {"ws", true, false},
        {"ws::handshake", true, false},
        {"mioxyz", true, true},
        {"wsx", true, true},
        {"wsx::y", true, true},
        {"tarnwick::player::tcp", true, true},
        {"", true, true},
    };
    EXPECT_IN_CHILD([] {
        setenv("NO_COLOR", "1", 1);
        redirect_stderr();
        (void)init_with_level(LevelFilter::Trace);
        auto records = add_capture();
        std::string failures;
        for (const Case& c : CASES) {
            for (Level level : ALL_LEVELS) {
                records->clear();
                log(level, c.target, "m");
                bool expected = level == Level::Error ? c.passes_error : c.passes_other;
                if ((records->size() == 1) != expected) {
                    failures += fmt::format("target '{}' at {}: {} records\n", c.target, level_name(level),
                                            records->size());
                }
            }
        }
        return failures;
    });
}

TEST(LoggerFilter, MaximumLevelRefusesLessSevereRecords) {
    struct Case {
        LevelFilter max;
        int passing;  // how many of error, warn, info, debug, trace pass
    };
    static constexpr Case CASES[] = {
        {LevelFilter::Off, 0},  {LevelFilter::Error, 1}, {LevelFilter::Warn, 2},
        {LevelFilter::Info, 3}, {LevelFilter::Debug, 4}, {LevelFilter::Trace, 5},
    };
    EXPECT_IN_CHILD([] {
        redirect_stderr();
        (void)init_with_level(LevelFilter::Trace);
        auto records = add_capture();
        std::string failures;
        for (const Case& c : CASES) {
            set_max_level(c.max);
            records->clear();
            for (Level level : ALL_LEVELS) log(level, "velmora", "m");
            if (records->size() != static_cast<std::size_t>(c.passing)) {
                failures += fmt::format("max {}: {} records\n", static_cast<int>(c.max), records->size());
            }
        }
        return failures;
    });
}

// Counts how often it is formatted, to show that refused records cost no
// formatting.
struct Counted {
    int* count;
};

}  // namespace
}  // namespace kimbly::logger

template <>
struct fmt::formatter<kimbly::logger::Counted> : fmt::formatter<int> {
    auto format(const kimbly::logger::Counted& c, fmt::format_context& ctx) const {
        return fmt::formatter<int>::format(++*c.count, ctx);
    }
};

namespace kimbly::logger {
namespace {

TEST(LoggerStderr, AtWarnOnlyTheWarnRecordIsWrittenAsOneLine) {
    EXPECT_EXIT(
        {
            setenv("NO_COLOR", "", 1);
            (void)init_with_level(LevelFilter::Warn);
            int formatted = 0;
            info("velmora", "hidden {}", Counted{&formatted});
            warn("velmora", "shown {}", Counted{&formatted});
            std::_Exit(formatted == 1 ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "^WARN - shown 1\n$");
}

TEST(LoggerStderr, LineBytesWithAndWithoutColour) {
    struct Case {
        Level level;
        bool colour;
        const char* expected;
    };
    static constexpr Case CASES[] = {
        {Level::Error, false, "ERROR - hello\n"},
        {Level::Warn, false, "WARN - hello\n"},
        {Level::Info, false, "INFO - hello\n"},
        {Level::Debug, false, "DEBUG - hello\n"},
        {Level::Trace, false, "TRACE - hello\n"},
        {Level::Error, true, "\x1b[0m\x1b[31mERROR - hello\n\x1b[0m"},
        {Level::Warn, true, "\x1b[0m\x1b[35mWARN - hello\n\x1b[0m"},
        {Level::Info, true, "\x1b[0m\x1b[33mINFO - hello\n\x1b[0m"},
        {Level::Debug, true, "\x1b[0m\x1b[36mDEBUG - hello\n\x1b[0m"},
        {Level::Trace, true, "\x1b[0m\x1b[34mTRACE - hello\n\x1b[0m"},
    };
    for (const Case& c : CASES) {
        std::FILE* file = std::tmpfile();
        ASSERT_NE(file, nullptr);
        StderrSink sink(file, c.colour);
        sink.log({c.level, "velmora::x", "hello", "velmora::x", "f.cpp", 1});
        EXPECT_EQ(read_all(file), c.expected) << level_name(c.level) << " colour " << c.colour;
        std::fclose(file);
    }
}

// Restores an environment variable when the test ends.
class EnvVar {
public:
    explicit EnvVar(const char* name) : name_(name) {
        if (const char* v = std::getenv(name)) saved_ = v;
    }
    ~EnvVar() {
        if (saved_) setenv(name_, saved_->c_str(), 1);
        else unsetenv(name_);
    }
    void set(const char* value) {
        if (value) setenv(name_, value, 1);
        else unsetenv(name_);
    }

private:
    const char* name_;
    std::optional<std::string> saved_;
};

TEST(LoggerStderr, ColourFollowsTermAndNoColor) {
    struct Case {
        const char* term;
        const char* no_color;
        bool colour;
    };
    static constexpr Case CASES[] = {
        {"xterm-256color", nullptr, true},
        {"dumb", nullptr, false},
        {nullptr, nullptr, false},
        {"xterm", "1", false},
        {"xterm", "", false},  // set but empty still counts
        {"", nullptr, true},   // set and not "dumb"
    };
    EnvVar term("TERM"), no_color("NO_COLOR");
    for (const Case& c : CASES) {
        term.set(c.term);
        no_color.set(c.no_color);
        EXPECT_EQ(StderrSink::colour_from_env(), c.colour)
            << "TERM=" << (c.term ? c.term : "(unset)") << " NO_COLOR=" << (c.no_color ? c.no_color : "(unset)");
    }
}

TEST(LoggerStderr, FailedWriteIsIgnored) {
    std::FILE* full = std::fopen("/dev/full", "w");
    if (!full) GTEST_SKIP() << "no /dev/full";
    StderrSink sink(full, true);
    sink.log({Level::Error, "t", "lost", "t", "f.cpp", 1});
    sink.flush();
    std::fclose(full);
}

TEST(LoggerInit, SecondInitFailsAndChangesNothing) {
    EXPECT_IN_CHILD([] {
        redirect_stderr();
        std::string failures;
        if (init_with_level(LevelFilter::Warn)) failures += "first init failed\n";
        auto records = add_capture();
        if (!init_with_level(LevelFilter::Trace)) failures += "second init_with_level succeeded\n";
        if (!init()) failures += "init after init_with_level succeeded\n";
        if (max_level() != LevelFilter::Warn) failures += "maximum level changed\n";
        log(Level::Error, "velmora", "once");
        // A second standard-error sink would have doubled the line.
        if (records->size() != 1) failures += fmt::format("{} records\n", records->size());
        return failures;
    });
}

TEST(LoggerInit, InitUsesInfo) {
    EXPECT_IN_CHILD([] {
        redirect_stderr();
        (void)init();
        return max_level() == LevelFilter::Info ? std::string() : std::string("not info\n");
    });
}

TEST(LoggerSinks, LaterSinksGetEachRecordAfterTheStandardErrorSink) {
    EXPECT_IN_CHILD([] {
        setenv("NO_COLOR", "1", 1);
        std::FILE* err = redirect_stderr();
        (void)init_with_level(LevelFilter::Trace);
        // Records what standard error held when this sink saw each record.
        struct Witness final : Sink {
            std::FILE* err;
            std::vector<std::string> seen;
            explicit Witness(std::FILE* f) : err(f) {}
            bool enabled(const Metadata&) const override { return true; }
            void log(const Record&) override { seen.push_back(read_all(err)); }
            void flush() override {}
        };
        auto witness = std::make_unique<Witness>(err);
        Witness* w = witness.get();
        add_logger(std::move(witness));
        auto after = add_capture();
        info("a", "one");
        debug("b", "two");
        std::string failures;
        if (w->seen != std::vector<std::string>{"INFO - one\n", "INFO - one\nDEBUG - two\n"}) {
            failures += "standard error did not come first\n";
        }
        if (after->size() != 2 || (*after)[0].message != "one" || (*after)[1].message != "two") {
            failures += "last sink missed records\n";
        }
        return failures;
    });
}

// A sink whose own filter refuses what it does not want.
class ErrorsOnlySink final : public Sink {
public:
    explicit ErrorsOnlySink(std::shared_ptr<std::vector<Captured>> into) : inner_(std::move(into)) {}
    bool enabled(const Metadata& m) const override { return m.level == Level::Error; }
    void log(const Record& r) override { inner_.log(r); }
    void flush() override {}

private:
    CaptureSink inner_;
};

class ThrowingSink final : public Sink {
public:
    bool enabled(const Metadata&) const override { return true; }
    void log(const Record&) override { throw std::runtime_error("sink broke"); }
    void flush() override {}
};

TEST(LoggerSinks, SinkFilterAndAThrowingSinkLeaveTheOthersServed) {
    SinkList list;
    auto errors = std::make_shared<std::vector<Captured>>();
    auto all = std::make_shared<std::vector<Captured>>();
    list.add(std::make_unique<ErrorsOnlySink>(errors));
    list.add(std::make_unique<ThrowingSink>());
    list.add(std::make_unique<CaptureSink>(all));
    ::testing::internal::CaptureStderr();
    list.log({Level::Warn, "t", "first", "t", "f.cpp", 1});
    list.log({Level::Error, "t", "second", "t", "f.cpp", 2});
    std::string err = ::testing::internal::GetCapturedStderr();
    ASSERT_EQ(all->size(), 2u);
    EXPECT_EQ((*all)[1].message, "second");
    ASSERT_EQ(errors->size(), 1u);
    EXPECT_EQ((*errors)[0].message, "second");
    EXPECT_NE(err.find("sink broke"), std::string::npos) << err;
}

// A sink that stops its thread or logs from inside log() re-enters the list
// it is being called from; that must neither deadlock nor lose later records.
TEST(LoggerSinks, SinkThatStopsOrLogsDoesNotDeadlock) {
    EXPECT_IN_CHILD([] {
        std::FILE* err = redirect_stderr();
        setenv("NO_COLOR", "1", 1);
        (void)init_with_level(LevelFilter::Trace);
        struct Reentrant final : Sink {
            bool enabled(const Metadata& m) const override { return m.target == "boom" || m.target == "echo"; }
            void log(const Record& r) override {
                if (r.target == "boom") kimbly::panic("sink stopped");
                kimbly::logger::warn("echo", "echo of {}", r.message);
            }
            void flush() override {}
        };
        add_logger(std::make_unique<Reentrant>());
        auto after = add_capture();
        error("boom", "first");
        error("echo", "second");
        error("plain", "third");
        std::string failures;
        if (after->size() != 3) failures += fmt::format("last sink got {} records\n", after->size());
        std::string text = read_all(err);
        for (const char* needed : {"panicked at 'sink stopped'", "WARN - echo of second"}) {
            if (text.find(needed) == std::string::npos) failures += fmt::format("missing '{}'\n", needed);
        }
        if (!failures.empty()) failures += text;
        return failures;
    });
}

// Outside the check's macro, so that the stop's line is this file's own.
constexpr int STOP_LINE = __LINE__ + 1;
void stop_with_boom() { kimbly::panic("boom"); }

TEST(LoggerPanicHook, StopOnAThreadLogsDescriptionThenCallStack) {
    EXPECT_IN_CHILD([] {
        redirect_stderr();
        (void)init_with_level(LevelFilter::Trace);
        auto records = add_capture();
        Thread thread("stopper", &stop_with_boom);
        std::string failures;
        if (!thread.join()) failures += "join did not report the stop\n";
        if (records->size() != 2) return failures + fmt::format("{} records\n", records->size());
        const Captured& description = (*records)[0];
        const Captured& stack = (*records)[1];
        std::string prefix = fmt::format("panicked at 'boom', {}:{}:", __FILE__, STOP_LINE);
        if (description.message.rfind(prefix, 0) != 0) failures += "description: " + description.message + "\n";
        if (stack.message.empty() || stack.message.find('\n') == std::string::npos) {
            failures += "stack: " + stack.message + "\n";
        }
        for (const Captured* r : {&description, &stack}) {
            if (r->level != Level::Error || r->target != "kimbly::logger") failures += "level or target\n";
        }
        return failures;
    });
}

// Logging off silences records, not the reason the program stops.
TEST(LoggerPanicHook, OnlyTheDescriptionOnStandardErrorAtLevelOff) {
    EXPECT_IN_CHILD([] {
        std::FILE* err = redirect_stderr();
        (void)init_with_level(LevelFilter::Off);
        auto records = add_capture();
        Thread("stopper", &stop_with_boom).join();
        std::string text = read_all(err);
        const std::string prefix = fmt::format("panicked at 'boom', {}:{}:", __FILE__, STOP_LINE);
        const bool one_line = text.rfind(prefix, 0) == 0 && text.find('\n') == text.size() - 1;
        if (!records->empty() || !one_line) return fmt::format("{} records, stderr '{}'\n", records->size(), text);
        return std::string();
    });
}

}  // namespace
}  // namespace kimbly::logger
