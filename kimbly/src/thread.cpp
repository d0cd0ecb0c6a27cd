#include "kimbly/thread.hpp"

#include <pthread.h>

#include "kimbly/panic.hpp"

namespace kimbly {

Thread::Thread(std::string name, std::function<void(std::stop_token)> body, std::source_location location)
    : Thread(std::move(name), std::stop_source(), std::move(body), location) {}

Thread::Thread(std::string name, std::function<void()> body, std::source_location location)
    : Thread(
          std::move(name), [body = std::move(body)](const std::stop_token&) { body(); }, location) {}

Thread::Thread(std::string name, std::stop_source stop, std::function<void(std::stop_token)> body,
               std::source_location location)
    : name_(std::move(name)), stop_(std::move(stop)), panicked_(std::make_shared<bool>(false)) {
    // The flag is written by the thread before it ends and read only after
    // join, which orders the two.
    thread_ = std::thread([name = name_, body = std::move(body), token = stop_.get_token(), flag = panicked_,
                           location] {
        // The kernel keeps 15 bytes of a thread's name; it only helps debuggers.
        pthread_setname_np(pthread_self(), name.substr(0, 15).c_str());
        *flag = catch_panic(
            [&] {
                try {
                    body(token);
                } catch (const StopRequested&) {
                    // The end that was asked for.
                }
            },
            location);
    });
}

Thread& Thread::operator=(Thread&& other) noexcept {
    if (this != &other) {
        request_stop();
        join();
        name_ = std::move(other.name_);
        stop_ = std::move(other.stop_);
        panicked_ = std::move(other.panicked_);
        thread_ = std::move(other.thread_);
    }
    return *this;
}

Thread::~Thread() {
    request_stop();
    join();
}

bool Thread::join() {
    if (thread_.joinable()) thread_.join();
    return panicked_ && *panicked_;
}

}  // namespace kimbly
