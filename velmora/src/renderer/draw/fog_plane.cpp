#include "velmora/renderer/draw/fog_plane.hpp"

#include <ovra/draw.hpp>

#include "velmora/renderer/draw/batch.hpp"
#include "velmora/renderer/draw/world_uniforms.hpp"
#include "velmora/renderer/fog.hpp"

namespace velmora::renderer::fog {

// The unit square stretched to reach 1024 cells beyond the map on every
// side; texel i covers cells' x from i - 1 to i, and the clamped border
// texel, which is fogged, repeats beyond.
const std::string_view FOG_PROGRAM = R"glsl(varying vec2 v_vt;

#ifdef VERTEX_SHADER

attribute vec2 a_v;

uniform mat4 u_projection_matrix;
uniform mat4 u_view_matrix;
uniform vec2 u_map_size;

#define OFFSET 1024.0

void main()
{
    vec2 pos = a_v * (u_map_size + vec2(OFFSET, OFFSET)) - (vec2(1.0, 1.0) - a_v) * vec2(OFFSET, OFFSET);
    v_vt = (pos + vec2(1.0, 1.0)) / (u_map_size + vec2(2.0, 2.0));
    gl_Position = u_projection_matrix * u_view_matrix * vec4(pos, 0.0, 1.0);
}
#endif

#ifdef FRAGMENT_SHADER
uniform sampler2D u_texture;
uniform vec4 u_color;

void main()
{
    gl_FragColor = texture2D(u_texture, v_vt) * u_color;
}
#endif)glsl";

Data::Data(const vindle::shader_lib::ShaderLib& library, ovra::OvraHandle context)
    : context_(context),
      corners_(ovra::VertexBuffer<Corner>::new_static(context, {{{0, 0}}, {{1, 0}}, {{1, 1}}, {{0, 1}}})),
      texture_(ovra::Texture2d::new_uninitialized(context, {1, 1})),
      program_(vindle::shader_lib::compile_or_stop(library, FOG_PROGRAM)) {}

void Data::draw(ovra::Framebuffer& framebuffer, const camera::Camera& camera, const model::SightGrid& sight) {
    const model::usize side = sight.map_size + 2;
    // The old texture goes first, so that a frame never holds two.
    texture_.reset();
    // Never mipmapped, whatever the side: seen from afar, a mipmap would
    // blend seen and unseen cells into one grey.
    texture_ = ovra::Texture2d::from_pixels(context_, ovra::Image{{side, side}, fog_texels(sight)});
    const float map_size = static_cast<float>(sight.map_size);
    ovra::Uniforms uniforms = world_uniforms(camera, framebuffer);
    uniforms.add("u_texture", &*texture_)
        .add("u_map_size", kimbly::Vec2F32{map_size, map_size})
        .add("u_color", FOG_COLOR);
    ovra::draw::draw(framebuffer, program_, ovra::draw_mode::TriangleFan{}, corners_, uniforms, blended());
}

}  // namespace velmora::renderer::fog
