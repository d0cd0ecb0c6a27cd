#pragma once
// A value behind a mutex that stays broken once a holder was unwound by an
// exception (a fatal stop ends only its thread, and std::mutex would simply
// be unlocked on the way out, leaving a half-changed value for the next
// user). Every later lock of a broken mutex is a fatal stop.
//
// Code that recovers from an error while holding the lock must catch it
// before the guard goes out of scope: any exception that unwinds a guard
// breaks the mutex.
#include <atomic>
#include <exception>
#include <mutex>
#include <utility>

#include "kimbly/panic.hpp"

namespace kimbly {

inline constexpr std::string_view POISONED_LOCK = "Lock is poisoned: a thread stopped while holding it";

template <class T>
class PoisonMutex {
public:
    class Guard {
    public:
        Guard(const Guard&) = delete;
        Guard& operator=(const Guard&) = delete;
        ~Guard() {
            if (std::uncaught_exceptions() > exceptions_) owner_->poisoned_.store(true);
            owner_->mutex_.unlock();
        }

        T& operator*() const { return owner_->value_; }
        T* operator->() const { return &owner_->value_; }

    private:
        friend class PoisonMutex;
        explicit Guard(PoisonMutex& owner) : owner_(&owner), exceptions_(std::uncaught_exceptions()) {}

        PoisonMutex* owner_;
        int exceptions_;
    };

    PoisonMutex() = default;
    explicit PoisonMutex(T value) : value_(std::move(value)) {}
    PoisonMutex(const PoisonMutex&) = delete;
    PoisonMutex& operator=(const PoisonMutex&) = delete;

    [[nodiscard]] Guard lock() {
        mutex_.lock();
        if (poisoned_.load()) {
            mutex_.unlock();
            panic(POISONED_LOCK);
        }
        return Guard(*this);
    }

    bool is_poisoned() const { return poisoned_.load(); }

private:
    std::mutex mutex_;
    std::atomic<bool> poisoned_{false};
    T value_{};
};

}  // namespace kimbly
