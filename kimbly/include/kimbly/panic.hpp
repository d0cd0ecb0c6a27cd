#pragma once
// Fatal stops. kimbly::panic runs the process's panic hook (which logs the
// stop once the logger is installed) and throws kimbly::Panic. Panic does not
// derive from std::exception, so `catch (const std::exception&)` blocks meant
// for recoverable errors never swallow a fatal stop: it travels up to main
// (exit status 101) or to the wrapper of the thread it happened on.
#include <exception>
#include <functional>
#include <source_location>
#include <string>
#include <string_view>
#include <utility>

namespace kimbly {

// Exit status of a process that ended by a fatal stop.
inline constexpr int PANIC_EXIT_STATUS = 101;

class Panic {
public:
    Panic(std::string message, std::source_location location)
        : message_(std::move(message)), location_(location) {}
    const std::string& message() const { return message_; }
    const std::source_location& location() const { return location_; }

private:
    std::string message_;
    std::source_location location_;
};

struct PanicInfo {
    std::string_view message;
    std::source_location location;
};

// The hook runs on the stopping thread before the stop unwinds it. It must
// not throw; anything it throws is swallowed.
using PanicHook = void (*)(const PanicInfo&);

// Installs a hook and returns the previous one.
PanicHook set_panic_hook(PanicHook hook);

// Runs the current hook for a stop that did not come through panic() (an
// exception escaping a thread body, a terminating process).
void run_panic_hook(const PanicInfo& info);

[[noreturn]] void panic(std::string_view message,
                        std::source_location location = std::source_location::current());

// Stops with "<message>: <error>".
[[noreturn]] void expect_failed(std::string_view message, std::string_view error,
                                std::source_location location = std::source_location::current());

// Runs action; a std::exception escaping it becomes a fatal stop with
// "<message>: <what()>".
template <class F>
decltype(auto) expect(F&& action, std::string_view message,
                      std::source_location location = std::source_location::current()) {
    try {
        return std::forward<F>(action)();
    } catch (const std::exception& e) {
        expect_failed(message, e.what(), location);
    }
}

// Runs fn; returns true when it ended by a fatal stop or by any other
// exception (which is reported through the hook first, as if it had been a
// stop at `location`). Nothing escapes.
bool catch_panic(const std::function<void()>& fn,
                 std::source_location location = std::source_location::current());

// Makes std::terminate report the escaping exception through the hook (if it
// was not a Panic, whose hook already ran) and end the process with
// PANIC_EXIT_STATUS.
void install_terminate_handler();

// Runs the body of main: a fatal stop ends it with PANIC_EXIT_STATUS.
int run_main(const std::function<int()>& body);

}  // namespace kimbly
