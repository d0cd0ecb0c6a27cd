#include "velmora/renderer/draw/model_renderer.hpp"

#include <ovra/draw.hpp>

#include "velmora/renderer/draw/batch.hpp"
#include "velmora/renderer/draw/world_uniforms.hpp"

namespace velmora::renderer::space::obj {

// Lit half by ambient light and half by one light from above, slightly
// from +x and -y; emission brightens up to full.
const std::string_view MODEL_PROGRAM = R"glsl(varying vec2 v_vt;
varying vec4 v_color;

#ifdef VERTEX_SHADER

attribute vec2 a_vt;
attribute vec3 a_v;
attribute vec3 a_vn;

attribute vec3 i_pos;
attribute float i_rotation;
attribute float i_tilt;
attribute float i_size;
attribute vec4 i_color;
attribute float i_emission;

uniform mat4 u_projection_matrix;
uniform mat4 u_view_matrix;

#define LIGHT_DIRECTION normalize(vec3(1.0, -1.0, 5.0))
#define AMBIENT_LIGHT 0.5

void main()
{
    mat4 model_matrix = translationMatrix(i_pos)
        * scaleMatrix(i_size)
        * rotationMatrix(vec3(0.0, 0.0, 1.0), i_rotation)
        * rotationMatrix(vec3(1.0, 0.0, 0.0), i_tilt);
    vec3 n = (model_matrix * vec4(a_vn, 0.0)).xyz;
    v_vt = a_vt;
    float light = (dot(n, LIGHT_DIRECTION) + 1.0) / 2.0;
    light = AMBIENT_LIGHT + light * (1.0 - AMBIENT_LIGHT);
    light = min(light + i_emission, 1.0);
    v_color = i_color;
    v_color.xyz *= light;
    gl_Position = u_projection_matrix * u_view_matrix * model_matrix * vec4(a_v, 1.0);
}
#endif

#ifdef FRAGMENT_SHADER
uniform sampler2D u_texture;

void main()
{
    gl_FragColor = texture2D(u_texture, v_vt) * v_color;
}
#endif)glsl";

Renderer::Renderer(const vindle::shader_lib::ShaderLib& library, ovra::OvraHandle context)
    : context_(context), program_(vindle::shader_lib::compile_or_stop(library, MODEL_PROGRAM)) {}

void Renderer::draw(ovra::Framebuffer& framebuffer, const camera::Camera& camera, Mesh& mesh,
                    const ovra::Texture2d& texture, std::span<const Instance> instances) const {
    auto placements = ovra::VertexBuffer<Instance>::new_dynamic(context_, {instances.begin(), instances.end()});
    ovra::Uniforms uniforms = world_uniforms(camera, framebuffer);
    uniforms.add("u_texture", &texture);
    ovra::DrawParameters parameters = blended();
    parameters.depth_func = ovra::DepthFunc::Less;
    parameters.cull_face = ovra::CullFace::Back;
    ovra::draw::draw(framebuffer, program_, ovra::draw_mode::Triangles{},
                     ovra::VertexData::instanced(mesh, placements), uniforms, parameters);
}

}  // namespace velmora::renderer::space::obj
