#include "kimbly/thread_pool.hpp"

#include <fmt/format.h>

#include <algorithm>
#include <thread>

#include "kimbly/panic.hpp"

namespace kimbly {

ThreadPool::ThreadPool() : ThreadPool(std::max(1u, std::thread::hardware_concurrency())) {}

ThreadPool::ThreadPool(std::size_t workers) : size_(std::max<std::size_t>(1, workers)) {
    workers_.reserve(size_);
    for (std::size_t i = 0; i < size_; ++i) {
        workers_.emplace_back(fmt::format("pool-worker-{}", i), [this] { work(); });
    }
}

ThreadPool::~ThreadPool() { shutdown(); }

void ThreadPool::execute(std::function<void()> task) {
    {
        std::lock_guard lock(mutex_);
        if (!closed_) {
            queue_.push_back(std::move(task));
            wake_.notify_one();
            return;
        }
    }
    panic("ThreadPool::execute unable to send job into queue.");
}

void ThreadPool::shutdown() {
    {
        std::lock_guard lock(mutex_);
        closed_ = true;
    }
    wake_.notify_all();
    for (auto& worker : workers_) worker.join();
}

void ThreadPool::work() {
    for (;;) {
        std::function<void()> task;
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [&] { return closed_ || !queue_.empty(); });
            if (queue_.empty()) return;
            task = std::move(queue_.front());
            queue_.pop_front();
        }
        // The hook has reported the stop; the worker stays for the next task.
        catch_panic(task);
    }
}

}  // namespace kimbly
