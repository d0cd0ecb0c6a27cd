#pragma once
// Render targets: the window's own framebuffer or a framebuffer object that
// draws into a colour texture. Drawing (draw::draw, draw::clear and the
// engine's drawers) takes a Framebuffer by mutable reference; code that only
// reads one (its size, its texture) takes it by const reference.
#include <optional>

#include <kimbly/vec2.hpp>

#include "ovra/gl_object.hpp"
#include "ovra/texture.hpp"

namespace ovra {

// A GL framebuffer object, or none for the window's (GL name 0). Dropping it
// deletes the object it holds.
class FBO {
public:
    explicit FBO(OvraHandle context);
    FBO(OvraHandle context, ovra_raw::Handle handle);

    // glBindFramebuffer(GL_FRAMEBUFFER, the handle or 0).
    void bind() const;
    std::optional<ovra_raw::Handle> handle() const;
    Ovra& context() const { return *context_; }

private:
    OvraHandle context_;
    std::optional<GlObject<&ovra_raw::Context::delete_framebuffer>> object_;
};

class Framebuffer {
public:
    // The window's framebuffer at the context's current size; the main loop
    // makes one every frame.
    explicit Framebuffer(OvraHandle context);
    // A framebuffer drawing into `color`, which it borrows: the texture must
    // outlive the framebuffer and stay where it is. Its size is the
    // texture's. An incomplete framebuffer stops the program.
    Framebuffer(OvraHandle context, Texture2d& color);

    kimbly::Vec2Usize size() const { return size_; }
    const FBO& fbo() const { return fbo_; }
    // The colour texture; none for the window's framebuffer.
    const Texture2d* texture() const { return texture_; }
    Ovra& context() const { return fbo_.context(); }

private:
    FBO fbo_;
    Texture2d* texture_ = nullptr;
    kimbly::Vec2Usize size_;
};

}  // namespace ovra
