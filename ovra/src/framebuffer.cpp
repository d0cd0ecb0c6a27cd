#include "ovra/framebuffer.hpp"

#include "checks.hpp"
#include "ovra/gl_constants.hpp"

namespace ovra {

FBO::FBO(OvraHandle context) : context_(std::move(context)) {}

FBO::FBO(OvraHandle context, ovra_raw::Handle handle) : context_(context), object_(std::in_place, context, handle) {}

std::optional<ovra_raw::Handle> FBO::handle() const {
    if (!object_) return std::nullopt;
    return object_->handle();
}

void FBO::bind() const { context_->raw().bind_framebuffer(gl::FRAMEBUFFER, handle()); }

Framebuffer::Framebuffer(OvraHandle context) : fbo_(context), size_(context->size()) {}

Framebuffer::Framebuffer(OvraHandle context, Texture2d& color)
    : fbo_(context, handed_out(context->raw().create_framebuffer(), "framebuffer")),
      texture_(&color),
      size_(color.size()) {
    ovra_raw::Context& raw = context->raw();
    fbo_.bind();
    raw.framebuffer_texture_2d(gl::FRAMEBUFFER, gl::COLOR_ATTACHMENT0, gl::TEXTURE_2D, color.handle(), 0);
    detail::expect_equal(raw.check_framebuffer_status(gl::FRAMEBUFFER), gl::FRAMEBUFFER_COMPLETE,
                         "Framebuffer check failed");
}

}  // namespace ovra
