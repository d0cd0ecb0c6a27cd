#pragma once
// Jobs on a thread pool whose result comes back once, through a one-shot
// channel. Each end notices when the other is gone: a receiver whose sender
// went away without a value gets Canceled, a sender whose receiver went away
// gets its value back.
#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>
#include <stdexcept>
#include <type_traits>
#include <utility>

#include "kimbly/panic.hpp"
#include "kimbly/thread_pool.hpp"

namespace kimbly::future_ext {

class Canceled : public std::runtime_error {
public:
    Canceled() : std::runtime_error("oneshot canceled") {}
};

namespace detail {

template <class T>
struct Shared {
    std::mutex mutex;
    std::condition_variable ready;
    std::optional<T> value;
    bool sender_alive = true;
    bool receiver_alive = true;
};

}  // namespace detail

template <class T>
class Sender {
public:
    explicit Sender(std::shared_ptr<detail::Shared<T>> shared) : shared_(std::move(shared)) {}
    Sender(Sender&&) noexcept = default;
    Sender& operator=(Sender&& other) noexcept {
        if (this != &other) {
            release();
            shared_ = std::move(other.shared_);
        }
        return *this;
    }
    ~Sender() { release(); }

    // Delivers the value; when the receiver is gone, hands it back instead.
    std::optional<T> send(T value) {
        {
            std::lock_guard lock(shared_->mutex);
            if (shared_->receiver_alive) {
                shared_->value.emplace(std::move(value));
                shared_->sender_alive = false;
                shared_->ready.notify_all();
                return std::nullopt;
            }
        }
        return std::optional<T>(std::move(value));
    }

    // True once the receiver is gone: the work behind this sender is unwanted.
    bool is_canceled() const {
        std::lock_guard lock(shared_->mutex);
        return !shared_->receiver_alive;
    }

private:
    void release() {
        if (!shared_) return;
        {
            std::lock_guard lock(shared_->mutex);
            shared_->sender_alive = false;
        }
        shared_->ready.notify_all();
        shared_.reset();
    }

    std::shared_ptr<detail::Shared<T>> shared_;
};

template <class T>
class Receiver {
public:
    explicit Receiver(std::shared_ptr<detail::Shared<T>> shared) : shared_(std::move(shared)) {}
    Receiver(Receiver&&) noexcept = default;
    Receiver& operator=(Receiver&& other) noexcept {
        if (this != &other) {
            release();
            shared_ = std::move(other.shared_);
        }
        return *this;
    }
    ~Receiver() { release(); }

    // Waits for the value; throws Canceled when the sender ended without one.
    // The value is taken: a second call throws Canceled.
    T recv() {
        std::unique_lock lock(shared_->mutex);
        shared_->ready.wait(lock, [&] { return shared_->value.has_value() || !shared_->sender_alive; });
        if (!shared_->value) throw Canceled();
        T value = std::move(*shared_->value);
        shared_->value.reset();
        return value;
    }

    // Polls without blocking: the value when it has come, none while it is
    // still pending; throws Canceled when the sender ended without one.
    std::optional<T> try_recv() {
        std::lock_guard lock(shared_->mutex);
        if (shared_->value) {
            std::optional<T> value(std::move(*shared_->value));
            shared_->value.reset();
            return value;
        }
        if (!shared_->sender_alive) throw Canceled();
        return std::nullopt;
    }

private:
    void release() {
        if (!shared_) return;
        {
            std::lock_guard lock(shared_->mutex);
            shared_->receiver_alive = false;
        }
        shared_.reset();
    }

    std::shared_ptr<detail::Shared<T>> shared_;
};

template <class T>
std::pair<Sender<T>, Receiver<T>> oneshot() {
    auto shared = std::make_shared<detail::Shared<T>>();
    return {Sender<T>(shared), Receiver<T>(shared)};
}

// Queues job on the pool and returns at once the end that receives its result.
// A result nobody waits for any more is a stop of that task ("Failed to send
// value"), reported through the panic hook; the worker carries on.
template <class Job>
auto spawn(ThreadPool& pool, Job job) -> Receiver<std::invoke_result_t<Job&>> {
    using T = std::invoke_result_t<Job&>;
    static_assert(!std::is_void_v<T>, "a pool job hands back a value");
    auto [sender, receiver] = oneshot<T>();
    auto task = std::make_shared<std::pair<Job, Sender<T>>>(std::move(job), std::move(sender));
    pool.execute([task] {
        auto& [run, send] = *task;
        if (send.send(run())) panic("Failed to send value");
    });
    return std::move(receiver);
}

}  // namespace kimbly::future_ext
