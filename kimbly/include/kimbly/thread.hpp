#pragma once
// Every thread the program starts runs its body through one wrapper: a fatal
// stop (or any other exception) ends only that thread, is reported through the
// panic hook, and is remembered so that whoever joins can tell. Each thread has
// an owner, which asks it to stop and joins it; none is ever detached.
#include <functional>
#include <memory>
#include <source_location>
#include <stop_token>
#include <string>
#include <thread>

namespace kimbly {

// Thrown by a wait that a stop request cut short. It is not a std::exception,
// so handlers of recoverable errors let it through to the thread's wrapper,
// which takes it for a normal end of the body.
struct StopRequested {};

class Thread {
public:
    Thread() = default;
    // The body gets the token of the thread's stop requests; it is expected
    // to end soon after one, wherever it waits.
    Thread(std::string name, std::function<void(std::stop_token)> body,
           std::source_location location = std::source_location::current());
    // The same with a stop source made by the caller, who could hand its
    // token to whatever the body waits on before the thread started.
    Thread(std::string name, std::stop_source stop, std::function<void(std::stop_token)> body,
           std::source_location location = std::source_location::current());
    // A body that never waits for long and ignores stop requests.
    Thread(std::string name, std::function<void()> body,
           std::source_location location = std::source_location::current());
    Thread(Thread&&) noexcept = default;
    // Stops and joins the thread this one held before taking the other's.
    Thread& operator=(Thread&& other) noexcept;
    Thread(const Thread&) = delete;
    Thread& operator=(const Thread&) = delete;
    // Asks the thread to stop and joins it: a joinable std::thread is never
    // destroyed. How the body ended is for join() to tell; here it is dropped.
    ~Thread();

    bool joinable() const { return thread_.joinable(); }
    void request_stop() noexcept { stop_.request_stop(); }
    // Waits for the body to end; true when it ended by a fatal stop or an
    // exception. Later calls give the same answer; a default-made thread
    // gives false.
    bool join();
    const std::string& name() const { return name_; }

private:
    std::string name_;
    std::stop_source stop_{std::nostopstate};
    std::shared_ptr<bool> panicked_;
    std::thread thread_;
};

inline Thread spawn_thread(std::string name, std::function<void()> body,
                           std::source_location location = std::source_location::current()) {
    return Thread(std::move(name), std::move(body), location);
}

}  // namespace kimbly
