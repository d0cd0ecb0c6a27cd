#include "kimbly/thread.hpp"

#include <pthread.h>

#include "kimbly/panic.hpp"

namespace kimbly {

Thread::Thread(std::string name, std::function<void()> body, std::source_location location)
    : name_(std::move(name)), panicked_(std::make_shared<bool>(false)) {
    // The flag is written by the thread before it ends and read only after
    // join, which orders the two.
    thread_ = std::thread([name = name_, body = std::move(body), flag = panicked_, location] {
        // The kernel keeps 15 bytes of a thread's name; it only helps debuggers.
        pthread_setname_np(pthread_self(), name.substr(0, 15).c_str());
        *flag = catch_panic(body, location);
    });
}

Thread& Thread::operator=(Thread&& other) noexcept {
    if (this != &other) {
        join();
        name_ = std::move(other.name_);
        panicked_ = std::move(other.panicked_);
        thread_ = std::move(other.thread_);
    }
    return *this;
}

Thread::~Thread() { join(); }

bool Thread::join() {
    if (!thread_.joinable()) return false;
    thread_.join();
    return *panicked_;
}

}  // namespace kimbly
