#include "velmora/renderer/draw/shaders.hpp"

namespace velmora::renderer::shaders {

// The corner is turned, stretched to the half size and moved; v is flipped
// so that an image's first row lies along the quad's top edge.
const std::string_view EZ_INSTANCED = R"(varying vec4 v_color;
varying vec2 v_vt;

#ifdef VERTEX_SHADER
attribute vec2 a_pos;

attribute vec2 i_pos;
attribute float i_rotation;
attribute vec2 i_size;
attribute vec4 i_color;

uniform mat4 u_projection_matrix;
uniform mat4 u_view_matrix;

void main()
{
    v_vt = (a_pos + 1.0) / 2.0;
    v_color = i_color;
    float s = sin(i_rotation), c = cos(i_rotation);
    gl_Position = u_projection_matrix * u_view_matrix * vec4(i_pos + mat2(c, -s, s, c) * a_pos * i_size, 0.0, 1.0);
}
#endif

#ifdef FRAGMENT_SHADER
uniform sampler2D u_texture;
void main()
{
    gl_FragColor = texture2D(u_texture, vec2(v_vt.x, 1.0 - v_vt.y)) * v_color;
}
#endif)";

const std::string_view EZ_SCREEN = R"(varying vec4 v_color;

#ifdef VERTEX_SHADER
attribute vec2 a_pos;

attribute vec2 i_pos;
attribute vec4 i_color;

uniform vec2 u_framebuffer_size;

void main()
{
    v_color = i_color;
    gl_Position = vec4((i_pos + a_pos) / u_framebuffer_size * 2.0 - 1.0, 0.0, 1.0);
}
#endif

#ifdef FRAGMENT_SHADER
uniform sampler2D u_texture;
void main()
{
    gl_FragColor = v_color;
}
#endif)";

// The corner is added in view space, so the square always faces the eye.
const std::string_view SPRITE = R"(varying vec2 v_vt;
varying vec4 v_color;

#ifdef VERTEX_SHADER

attribute vec2 a_pos;

attribute vec3 i_pos;
attribute float i_rotation;
attribute float i_size;
attribute vec4 i_color;

uniform mat4 u_projection_matrix;
uniform mat4 u_view_matrix;

void main()
{
    v_vt = (a_pos + vec2(1.0, 1.0)) / 2.0;
    v_color = i_color;
    gl_Position = u_projection_matrix * (u_view_matrix * vec4(i_pos, 1.0) + vec4(rotate(a_pos, i_rotation) * i_size, 0.0, 0.0));
}
#endif

#ifdef FRAGMENT_SHADER
uniform sampler2D u_texture;

void main()
{
    gl_FragColor = texture2D(u_texture, v_vt) * v_color;
}
#endif)";

// The filled arc starts at -x and turns counter-clockwise.
const std::string_view CIRCLE_BAR = R"(varying vec2 v_pos;
varying vec4 v_color;
varying vec4 v_color_off;
varying float v_value;

#ifdef VERTEX_SHADER

attribute vec2 a_pos;

attribute vec3 i_pos;
attribute float i_size;
attribute float i_value;
attribute vec4 i_color;
attribute vec4 i_color_off;

uniform mat4 u_projection_matrix;
uniform mat4 u_view_matrix;

void main()
{
    v_pos = a_pos;
    v_value = i_value;
    v_color = i_color;
    v_color_off = i_color_off;
    gl_Position = u_projection_matrix * (u_view_matrix * vec4(i_pos, 1.0) + vec4(a_pos * i_size, 0.0, 0.0));
}
#endif

#ifdef FRAGMENT_SHADER
uniform sampler2D u_texture;

void main()
{
    float r = length(v_pos);
    if (0.8 > r || r > 1.0) {
        discard;
    }
    float angle = atan(v_pos.y, v_pos.x) + PI;
    if (angle > v_value * 2.0 * PI) {
        gl_FragColor = v_color_off;
    } else {
        gl_FragColor = v_color;
    }
}
#endif)";

}  // namespace velmora::renderer::shaders
