#pragma once
// A fixed set of worker threads taking tasks from one queue.
#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <mutex>
#include <vector>

#include "kimbly/thread.hpp"

namespace kimbly {

class ThreadPool {
public:
    // One worker per processor.
    ThreadPool();
    explicit ThreadPool(std::size_t workers);
    // Runs the tasks already queued, then joins the workers.
    ~ThreadPool();
    ThreadPool(const ThreadPool&) = delete;
    ThreadPool& operator=(const ThreadPool&) = delete;

    // Queues a task. A task that stops is reported through the panic hook and
    // its worker goes on with the next task: a worker is never lost. After
    // shutdown the pool refuses tasks, which is a fatal stop.
    void execute(std::function<void()> task);
    // Stops taking tasks, runs those already queued and joins the workers.
    void shutdown();
    std::size_t size() const { return size_; }

private:
    void work();

    std::size_t size_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<std::function<void()>> queue_;
    bool closed_ = false;
    std::vector<Thread> workers_;
};

}  // namespace kimbly
