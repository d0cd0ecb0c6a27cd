#pragma once
// Every thread the program starts runs its body through one wrapper: a fatal
// stop (or any other exception) ends only that thread, is reported through the
// panic hook, and is remembered so that whoever joins can tell.
#include <functional>
#include <memory>
#include <source_location>
#include <string>
#include <thread>

namespace kimbly {

class Thread {
public:
    Thread() = default;
    Thread(std::string name, std::function<void()> body,
           std::source_location location = std::source_location::current());
    Thread(Thread&&) noexcept = default;
    // Joins the thread this one held before taking the other's.
    Thread& operator=(Thread&& other) noexcept;
    Thread(const Thread&) = delete;
    Thread& operator=(const Thread&) = delete;
    // Joins: a joinable std::thread is never destroyed.
    ~Thread();

    bool joinable() const { return thread_.joinable(); }
    // Waits for the body to end; true when it ended by a fatal stop or an
    // exception. Joining a thread that is not joinable returns false.
    bool join();
    const std::string& name() const { return name_; }

private:
    std::string name_;
    std::shared_ptr<bool> panicked_;
    std::thread thread_;
};

inline Thread spawn_thread(std::string name, std::function<void()> body,
                           std::source_location location = std::source_location::current()) {
    return Thread(std::move(name), std::move(body), location);
}

}  // namespace kimbly
