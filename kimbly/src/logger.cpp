#include "kimbly/logger.hpp"

#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <cstring>

#include "backtrace.hpp"
#include "kimbly/panic.hpp"

namespace kimbly::logger {
namespace {

constexpr std::string_view TARGET = "kimbly::logger";

std::atomic<bool> installed{false};
std::atomic<LevelFilter> max_level_filter{LevelFilter::Off};

// The list a thread is currently passing a record through. A sink that logs
// or stops would otherwise wait forever on the list's own mutex.
thread_local const SinkList* dispatching = nullptr;

void write_stderr_raw(std::string_view text) {
    while (!text.empty()) {
        ssize_t n = ::write(STDERR_FILENO, text.data(), text.size());
        if (n <= 0) return;
        text.remove_prefix(static_cast<std::size_t>(n));
    }
}

std::string plain_line(const Record& record) {
    return fmt::format("{} - {}\n", level_name(record.level), record.message);
}

std::string_view colour_of(Level level) {
    switch (level) {
        case Level::Error: return "\x1b[31m";
        case Level::Warn: return "\x1b[35m";
        case Level::Info: return "\x1b[33m";
        case Level::Debug: return "\x1b[36m";
        case Level::Trace: return "\x1b[34m";
    }
    return "";
}

// A fatal stop ends the program, so its reason always reaches standard
// error: with logging off as a bare line, without the call stack.
void log_panic(const PanicInfo& info) {
    const std::string description = fmt::format("panicked at '{}', {}:{}:{}", info.message,
                                                info.location.file_name(), info.location.line(),
                                                info.location.column());
    if (max_level() == LevelFilter::Off) {
        write_stderr_raw(description + "\n");
        return;
    }
    log(Level::Error, TARGET, description, info.location);
    if (max_level() == LevelFilter::Off) return;
    log(Level::Error, TARGET, capture_backtrace(), info.location);
}

}  // namespace

std::string_view level_name(Level level) {
    switch (level) {
        case Level::Error: return "ERROR";
        case Level::Warn: return "WARN";
        case Level::Info: return "INFO";
        case Level::Debug: return "DEBUG";
        case Level::Trace: return "TRACE";
    }
    return "?";
}

void SinkList::add(std::unique_ptr<Sink> sink) {
    if (dispatching == this) {
        write_stderr_raw("ERROR - a logger sink tried to add a sink while logging\n");
        return;
    }
    std::lock_guard lock(mutex_);
    sinks_.push_back(std::move(sink));
}

void SinkList::log(const Record& record) {
    if (dispatching == this) {
        write_stderr_raw(plain_line(record));
        return;
    }
    std::lock_guard lock(mutex_);
    const SinkList* outer = dispatching;
    dispatching = this;
    for (auto& sink : sinks_) {
        bool stopped = catch_panic([&] {
            if (sink->enabled(record.metadata())) sink->log(record);
        });
        if (stopped) write_stderr_raw("ERROR - a logger sink failed; its record is lost for that sink\n");
    }
    dispatching = outer;
}

SinkList& LOGGERS() {
    // Never destroyed: threads may still log while static objects go away.
    static SinkList* list = new SinkList;
    return *list;
}

bool Logger::enabled(const Metadata& metadata) {
    if (static_cast<int>(metadata.level) > static_cast<int>(max_level())) return false;
    std::string_view first = metadata.target.substr(0, metadata.target.find(':'));
    if (first == "mio") return false;
    if (first == "ws") return metadata.level == Level::Error;
    return true;
}

void Logger::log(const Record& record) {
    if (!enabled(record.metadata())) return;
    LOGGERS().log(record);
}

StderrSink::StderrSink(std::FILE* out, bool colour) : out_(out), colour_(colour) {}

bool StderrSink::colour_from_env() {
    const char* term = std::getenv("TERM");
    return term != nullptr && std::strcmp(term, "dumb") != 0 && std::getenv("NO_COLOR") == nullptr;
}

void StderrSink::log(const Record& record) {
    std::string text;
    if (colour_) {
        text = fmt::format("\x1b[0m{}{}\x1b[0m", colour_of(record.level), plain_line(record));
    } else {
        text = plain_line(record);
    }
    // A failed write loses the record for this sink; nothing else to do.
    (void)std::fwrite(text.data(), 1, text.size(), out_);
    (void)std::fflush(out_);
}

void StderrSink::flush() { (void)std::fflush(out_); }

std::optional<SetLoggerError> init_with_level(LevelFilter level) {
    bool expected = false;
    if (!installed.compare_exchange_strong(expected, true)) return SetLoggerError{};
    set_panic_hook(&log_panic);
    set_max_level(level);
    add_logger(std::make_unique<StderrSink>());
    return std::nullopt;
}

std::optional<SetLoggerError> init() { return init_with_level(LevelFilter::Info); }

void add_logger(std::unique_ptr<Sink> sink) { LOGGERS().add(std::move(sink)); }

void set_max_level(LevelFilter level) { max_level_filter.store(level); }

LevelFilter max_level() { return max_level_filter.load(); }

bool enabled(Level level, std::string_view target) {
    return installed.load() && Logger::enabled({level, target});
}

void log(Level level, std::string_view target, std::string_view message, std::source_location location) {
    if (!installed.load()) return;
    Logger::log({level, target, message, target, location.file_name(), location.line()});
}

}  // namespace kimbly::logger
