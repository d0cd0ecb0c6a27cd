#pragma once
// The process-wide logging facade and its one logger, which fans every record
// out to a list of sinks (standard error first, the debug console later).
#include <fmt/format.h>

#include <cstdint>
#include <cstdio>
#include <memory>
#include <mutex>
#include <optional>
#include <source_location>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

namespace kimbly::logger {

// From the most to the least severe.
enum class Level : int { Error = 1, Warn, Info, Debug, Trace };

// Off passes nothing; any other filter passes its level and the more severe.
enum class LevelFilter : int { Off = 0, Error, Warn, Info, Debug, Trace };

std::string_view level_name(Level level);

struct Metadata {
    Level level;
    std::string_view target;
};

struct Record {
    Level level;
    std::string_view target;
    std::string_view message;
    std::string_view module_path{};
    std::string_view file{};
    std::uint32_t line = 0;

    Metadata metadata() const { return {level, target}; }
};

// A sink runs while the sink list is locked: it writes or sends its line and
// returns. Whatever it throws is caught and reported on standard error; a
// record it logs itself goes straight to standard error.
class Sink {
public:
    virtual ~Sink() = default;
    virtual bool enabled(const Metadata& metadata) const = 0;
    virtual void log(const Record& record) = 0;
    virtual void flush() = 0;
};

// Sinks in the order they were added; records reach them one at a time.
class SinkList {
public:
    void add(std::unique_ptr<Sink> sink);
    void log(const Record& record);

private:
    std::mutex mutex_;
    std::vector<std::unique_ptr<Sink>> sinks_;
};

// The one logger of the facade; stateless, all sinks live in LOGGERS().
struct Logger {
    static bool enabled(const Metadata& metadata);
    static void log(const Record& record);
    static void flush() {}
};

// The process-wide sink list, created empty on first use.
SinkList& LOGGERS();

// Writes "LEVEL - message\n", wrapped in colour sequences when colour is on.
class StderrSink final : public Sink {
public:
    explicit StderrSink(std::FILE* out = stderr, bool colour = colour_from_env());
    bool enabled(const Metadata&) const override { return true; }
    void log(const Record& record) override;
    void flush() override;

    // TERM set and not "dumb", and NO_COLOR not set (even when empty).
    static bool colour_from_env();

private:
    std::FILE* out_;
    bool colour_;
};

// The error of a second installation.
struct SetLoggerError {
    std::string_view message() const { return "attempted to set a logger after the logging system was already initialized"; }
};

// Installs Logger, the panic hook, the maximum level and the standard-error
// sink, once per process; a later call changes nothing and returns the error.
std::optional<SetLoggerError> init_with_level(LevelFilter level);
std::optional<SetLoggerError> init();
void add_logger(std::unique_ptr<Sink> sink);

void set_max_level(LevelFilter level);
LevelFilter max_level();

// True when a record of this level and target would reach the sinks; checked
// before a message is formatted.
bool enabled(Level level, std::string_view target);

void log(Level level, std::string_view target, std::string_view message,
         std::source_location location = std::source_location::current());

// A format string that also remembers where it was written.
template <class... Args>
struct FormatAt {
    template <class S>
    consteval FormatAt(const S& text, std::source_location where = std::source_location::current())
        : format(text), location(where) {}
    fmt::format_string<Args...> format;
    std::source_location location;
};

template <class... Args>
void log_format(Level level, std::string_view target, FormatAt<std::type_identity_t<Args>...> format,
                Args&&... args) {
    if (!enabled(level, target)) return;
    log(level, target, fmt::format(format.format, std::forward<Args>(args)...), format.location);
}

template <class... Args>
void error(std::string_view target, FormatAt<std::type_identity_t<Args>...> format, Args&&... args) {
    log_format<Args...>(Level::Error, target, format, std::forward<Args>(args)...);
}
template <class... Args>
void warn(std::string_view target, FormatAt<std::type_identity_t<Args>...> format, Args&&... args) {
    log_format<Args...>(Level::Warn, target, format, std::forward<Args>(args)...);
}
template <class... Args>
void info(std::string_view target, FormatAt<std::type_identity_t<Args>...> format, Args&&... args) {
    log_format<Args...>(Level::Info, target, format, std::forward<Args>(args)...);
}
template <class... Args>
void debug(std::string_view target, FormatAt<std::type_identity_t<Args>...> format, Args&&... args) {
    log_format<Args...>(Level::Debug, target, format, std::forward<Args>(args)...);
}
template <class... Args>
void trace(std::string_view target, FormatAt<std::type_identity_t<Args>...> format, Args&&... args) {
    log_format<Args...>(Level::Trace, target, format, std::forward<Args>(args)...);
}

}  // namespace kimbly::logger
