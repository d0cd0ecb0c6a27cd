#include "ovra/uniform.hpp"

#include "ovra/gl_constants.hpp"
#include "ovra/texture.hpp"

namespace ovra {

std::uint32_t UNIFORM_TEXTURE_COUNT = 0;

namespace {

struct Apply {
    ovra_raw::Context& raw;
    std::int32_t location;

    void operator()(const kimbly::Mat4F32& matrix) const {
        raw.uniform_matrix4fv(location, false, matrix.values.data());
    }
    void operator()(const kimbly::ColorF32& color) const { (*this)(std::array{color.r, color.g, color.b, color.a}); }
    void operator()(const std::array<float, 4>& v) const { raw.uniform_4f(location, v[0], v[1], v[2], v[3]); }
    void operator()(const kimbly::Vec2F32& v) const { raw.uniform_2f(location, v.x, v.y); }
    void operator()(const kimbly::Vec2Usize& v) const {
        // The low 32 bits, reinterpreted as GL's signed ints.
        raw.uniform_2i(location, static_cast<std::int32_t>(static_cast<std::uint32_t>(v.x)),
                       static_cast<std::int32_t>(static_cast<std::uint32_t>(v.y)));
    }
    void operator()(const Texture2d* texture) const {
        std::uint32_t unit = UNIFORM_TEXTURE_COUNT++;
        raw.active_texture(gl::TEXTURE0 + unit);
        raw.bind_texture(gl::TEXTURE_2D, texture->handle());
        raw.uniform_1i(location, static_cast<std::int32_t>(unit));
    }
};

}  // namespace

void apply_uniform(Ovra& context, const UniformInfo& uniform, const UniformValue& value) {
    std::visit(Apply{context.raw(), uniform.location}, value);
}

void apply_uniforms(const Program& program, const Uniforms& uniforms) {
    for (const NamedUniform& named : uniforms.values()) {
        auto found = program.uniforms().find(named.name);
        if (found != program.uniforms().end()) apply_uniform(program.context(), found->second, named.value);
    }
}

}  // namespace ovra
