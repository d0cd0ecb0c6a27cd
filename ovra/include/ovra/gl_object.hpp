#pragma once
// Ownership of one GL object: the context handle and the object's name,
// deleted through `Delete` when the owner is dropped. A moved-from owner
// holds 0 and deletes nothing.
#include <optional>
#include <string_view>
#include <utility>

#include "ovra/context.hpp"

namespace ovra {

// The handle GL handed out; none (GL gave 0) stops the program with
// "GL handed out no <what>".
ovra_raw::Handle handed_out(std::optional<ovra_raw::Handle> handle, std::string_view what);

template <auto Delete>
class GlObject {
public:
    GlObject(OvraHandle context, ovra_raw::Handle handle) : context_(std::move(context)), handle_(handle) {}
    ~GlObject() { reset(); }
    GlObject(GlObject&& other) noexcept
        : context_(std::move(other.context_)), handle_(std::exchange(other.handle_, 0)) {}
    GlObject& operator=(GlObject&& other) noexcept {
        if (this != &other) {
            reset();
            context_ = std::move(other.context_);
            handle_ = std::exchange(other.handle_, 0);
        }
        return *this;
    }

    ovra_raw::Handle handle() const { return handle_; }
    Ovra& context() const { return *context_; }
    ovra_raw::Context& raw() const { return context_->raw(); }
    const OvraHandle& shared_context() const { return context_; }

private:
    void reset() {
        if (handle_ != 0) (context_->raw().*Delete)(std::exchange(handle_, 0));
    }

    OvraHandle context_;
    ovra_raw::Handle handle_;
};

}  // namespace ovra
