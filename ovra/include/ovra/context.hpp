#pragma once
// The GL context of the wrapper. It is made once, by the window, and shared:
// the window and every GPU object (shader, program, texture, framebuffer,
// vertex buffer) hold a std::shared_ptr<Ovra>, so the context outlives the
// last of them. Everything here runs on the main thread, which owns the GL
// context.
#include <memory>

#include <kimbly/vec2.hpp>

#include "ovra/raw/context.hpp"

namespace ovra {

class Ovra {
public:
    // Over the window's GL context, which must be current on the calling
    // thread; its entry points are resolved through that context. Runs init.
    static std::shared_ptr<Ovra> create_from_window();
    // Over any raw layer (tests pass the recording fake). Runs init.
    static std::shared_ptr<Ovra> create_with(std::unique_ptr<ovra_raw::Context> raw);

    // Logs the GL version (info level, target "ovra::context"), enables depth
    // testing and program point size, sets an unpack alignment of 1, then
    // reads the GL error once: any error stops the program with
    // "GL error: <kind>".
    void init();

    // The window framebuffer's size in pixels: (1, 1) until the first
    // _set_size, which the engine calls every frame.
    kimbly::Vec2Usize size() const { return size_; }
    void _set_size(kimbly::Vec2Usize size) { size_ = size; }

    // Where a per-operation GL error check would go: called at the start and
    // end of every draw, after vertex uploads and texture set-up. It checks
    // nothing; GL errors are read once, in init.
    void debug_check() const {}

    ovra_raw::Context& raw() { return *raw_; }

    // Public for std::make_shared only: a context is made through
    // create_from_window or create_with, which run init.
    explicit Ovra(std::unique_ptr<ovra_raw::Context> raw) : raw_(std::move(raw)) {}

private:
    std::unique_ptr<ovra_raw::Context> raw_;
    kimbly::Vec2Usize size_{1, 1};
};

using OvraHandle = std::shared_ptr<Ovra>;

}  // namespace ovra
