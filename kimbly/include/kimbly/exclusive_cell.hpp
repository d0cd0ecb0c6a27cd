#pragma once
// A value used by one caller at a time on one thread, for objects whose
// methods are const to their users but change state inside (the engine's
// drawers refill their vertex buffers on every call). Taking it while it is
// taken means a drawer re-entered itself, a broken invariant that stops the
// program with "already borrowed".
#include <utility>

#include "kimbly/panic.hpp"

namespace kimbly {

template <class T>
class ExclusiveCell {
public:
    class Guard {
    public:
        explicit Guard(ExclusiveCell& cell) : cell_(&cell) { cell_->taken_ = true; }
        Guard(const Guard&) = delete;
        Guard& operator=(const Guard&) = delete;
        ~Guard() { cell_->taken_ = false; }

        T& operator*() const { return cell_->value_; }
        T* operator->() const { return &cell_->value_; }

    private:
        ExclusiveCell* cell_;
    };

    template <class... Args>
    explicit ExclusiveCell(Args&&... args) : value_(std::forward<Args>(args)...) {}

    Guard borrow_mut() {
        if (taken_) panic("already borrowed");
        return Guard(*this);
    }

private:
    T value_;
    bool taken_ = false;
};

}  // namespace kimbly
