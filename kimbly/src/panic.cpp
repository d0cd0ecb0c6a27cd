#include "kimbly/panic.hpp"

#include <fmt/format.h>
#include <unistd.h>

#include <atomic>
#include <cstdlib>

namespace kimbly {
namespace {

std::string describe(const PanicInfo& info) {
    return fmt::format("panicked at '{}', {}:{}:{}", info.message, info.location.file_name(),
                       info.location.line(), info.location.column());
}

void write_stderr(std::string_view text) {
    while (!text.empty()) {
        ssize_t n = ::write(STDERR_FILENO, text.data(), text.size());
        if (n <= 0) return;
        text.remove_prefix(static_cast<std::size_t>(n));
    }
}

// Until the logger installs its own hook, a stop is still worth one line.
void default_hook(const PanicInfo& info) { write_stderr(describe(info) + "\n"); }

std::atomic<PanicHook> current_hook{&default_hook};

// A hook that itself stops must not recurse into the hook forever.
thread_local bool in_hook = false;

[[noreturn]] void terminate_handler() {
    if (std::exception_ptr current = std::current_exception()) {
        try {
            std::rethrow_exception(current);
        } catch (const Panic&) {
            // Its hook already ran.
        } catch (const std::exception& e) {
            run_panic_hook({fmt::format("uncaught exception: {}", e.what()), std::source_location::current()});
        } catch (...) {
            run_panic_hook({"uncaught exception of unknown type", std::source_location::current()});
        }
    } else {
        run_panic_hook({"terminate called without an active exception", std::source_location::current()});
    }
    std::_Exit(PANIC_EXIT_STATUS);
}

}  // namespace

PanicHook set_panic_hook(PanicHook hook) { return current_hook.exchange(hook ? hook : &default_hook); }

void run_panic_hook(const PanicInfo& info) {
    if (in_hook) {
        write_stderr("panicked while running the panic hook: " + describe(info) + "\n");
        return;
    }
    in_hook = true;
    try {
        current_hook.load()(info);
    } catch (...) {
    }
    in_hook = false;
}

void panic(std::string_view message, std::source_location location) {
    run_panic_hook({message, location});
    throw Panic(std::string(message), location);
}

void expect_failed(std::string_view message, std::string_view error, std::source_location location) {
    panic(fmt::format("{}: {}", message, error), location);
}

bool catch_panic(const std::function<void()>& fn, std::source_location location) {
    try {
        fn();
        return false;
    } catch (const Panic&) {
        return true;
    } catch (const std::exception& e) {
        run_panic_hook({e.what(), location});
        return true;
    } catch (...) {
        run_panic_hook({"exception of unknown type", location});
        return true;
    }
}

void install_terminate_handler() { std::set_terminate(&terminate_handler); }

int run_main(const std::function<int()>& body) {
    int status = PANIC_EXIT_STATUS;
    catch_panic([&] { status = body(); });
    return status;
}

}  // namespace kimbly
