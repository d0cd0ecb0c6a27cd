#include "ovra/draw_parameters.hpp"

#include "checks.hpp"
#include "ovra/gl_constants.hpp"

namespace ovra {

void DrawParameters::apply(Ovra& context, kimbly::Vec2Usize framebuffer_size) const {
    ovra_raw::Context& raw = context.raw();
    raw.depth_func(depth_func ? static_cast<ovra_raw::Enum>(*depth_func) : gl::ALWAYS);
    if (blend_mode) {
        raw.enable(gl::BLEND);
        raw.blend_func(gl::SRC_ALPHA, gl::ONE_MINUS_SRC_ALPHA);
    } else {
        raw.disable(gl::BLEND);
    }
    if (cull_face) {
        raw.enable(gl::CULL_FACE);
        raw.cull_face(static_cast<ovra_raw::Enum>(*cull_face));
    } else {
        raw.disable(gl::CULL_FACE);
    }
    kimbly::AabbUsize area = viewport.value_or(kimbly::AabbUsize{0, framebuffer_size.x, 0, framebuffer_size.y});
    raw.viewport(detail::gl_int(area.x_min, "viewport x"), detail::gl_int(area.y_min, "viewport y"),
                 detail::gl_int(area.width(), "viewport width"), detail::gl_int(area.height(), "viewport height"));
    raw.depth_mask(write_depth);
}

}  // namespace ovra
