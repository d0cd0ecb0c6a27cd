#include "vindle/draw_2d.hpp"

namespace vindle::draw_2d {

const std::string_view COLOR_PROGRAM = R"(varying vec4 v_color;

#ifdef VERTEX_SHADER
attribute vec2 a_pos;
attribute vec4 a_color;
uniform ivec2 u_framebuffer_size;
void main() {
    v_color = a_color;
    vec2 pos = a_pos / vec2(u_framebuffer_size) * 2.0 - 1.0;
    gl_Position = vec4(pos, 0.0, 1.0);
}
#endif

#ifdef FRAGMENT_SHADER
uniform vec4 u_color;
void main() {
    gl_FragColor = v_color * u_color;
}
#endif)";

// Sampling at (u, 1 - v) puts the texture's first row of data at the top,
// so images stored top row first show upright.
const std::string_view TEXTURED_PROGRAM = R"(varying vec4 v_color;
varying vec2 v_vt;

#ifdef VERTEX_SHADER
attribute vec2 a_pos;
attribute vec2 a_vt;
attribute vec4 a_color;
uniform ivec2 u_framebuffer_size;
void main() {
    v_color = a_color;
    v_vt = a_vt;
    vec2 pos = a_pos / vec2(u_framebuffer_size) * 2.0 - 1.0;
    gl_Position = vec4(pos, 0.0, 1.0);
}
#endif

#ifdef FRAGMENT_SHADER
uniform vec4 u_color;
uniform sampler2D u_texture;
void main() {
    gl_FragColor = v_color * u_color * texture2D(u_texture, vec2(v_vt.x, 1.0 - v_vt.y));
}
#endif)";

const std::string_view ELLIPSE_PROGRAM = R"(varying vec2 v_quad_pos;

#ifdef VERTEX_SHADER
attribute vec2 a_quad_pos;
uniform vec2 u_pos;
uniform vec2 u_radius;
uniform ivec2 u_framebuffer_size;
void main() {
    v_quad_pos = a_quad_pos;
    vec2 pos = (u_pos + u_radius * a_quad_pos) / vec2(u_framebuffer_size) * 2.0 - 1.0;
    gl_Position = vec4(pos, 0.0, 1.0);
}
#endif

#ifdef FRAGMENT_SHADER
uniform vec4 u_color;
void main() {
    if (length(v_quad_pos) > 1.0) {
        discard;
    }
    gl_FragColor = u_color;
}
#endif)";

}  // namespace vindle::draw_2d
