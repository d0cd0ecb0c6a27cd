#pragma once
// Uniform values and the named sets of them that a draw hands its program.
// Values are matched to the program's uniforms by name; a name the program
// lacks is skipped.
#include <array>
#include <cstdint>
#include <initializer_list>
#include <string_view>
#include <variant>
#include <vector>

#include <kimbly/color.hpp>
#include <kimbly/mat4.hpp>
#include <kimbly/vec2.hpp>

#include "ovra/program.hpp"

namespace ovra {

class Texture2d;

// The texture units taken by the current draw. Each draw resets it to 0
// before it sets its uniforms, so the textures of one draw take units 0, 1,
// 2, ... in the order of its uniform set. Main thread only.
extern std::uint32_t UNIFORM_TEXTURE_COUNT;

// The kinds of uniform value and how each is set at a uniform's location:
//   Mat4F32            glUniformMatrix4fv, column by column, not transposed
//   ColorF32           glUniform4f(r, g, b, a)
//   std::array<float,4> glUniform4f
//   Vec2F32            glUniform2f
//   Vec2Usize          glUniform2i with the low 32 bits of each side (the
//                      shaders declare such uniforms as ivec2)
//   const Texture2d*   the next texture unit n: glActiveTexture(GL_TEXTURE0 + n),
//                      glBindTexture, glUniform1i(n); never null
using UniformValue = std::variant<kimbly::Mat4F32, kimbly::ColorF32, std::array<float, 4>, kimbly::Vec2F32,
                                  kimbly::Vec2Usize, const Texture2d*>;

// Sets `value` at the uniform's location (the Uniform operation apply).
void apply_uniform(Ovra& context, const UniformInfo& uniform, const UniformValue& value);

struct NamedUniform {
    // The uniform's name as the shaders declare it; it must outlive the set
    // (the system's names are string literals).
    std::string_view name;
    UniformValue value;
};

// The ordered uniforms of one draw. Groups are joined with `append`, e.g.
// the camera's matrices followed by a renderer's own uniforms.
class Uniforms {
public:
    Uniforms() = default;
    Uniforms(std::initializer_list<NamedUniform> values) : values_(values) {}

    Uniforms& add(std::string_view name, UniformValue value) {
        values_.push_back({name, std::move(value)});
        return *this;
    }
    Uniforms& append(const Uniforms& group) {
        values_.insert(values_.end(), group.values_.begin(), group.values_.end());
        return *this;
    }

    // The named values in order (the set's walk).
    const std::vector<NamedUniform>& values() const { return values_; }

private:
    std::vector<NamedUniform> values_;
};

// Sets every value of `uniforms` whose name `program` has, in order (the
// draw's uniform visitor).
void apply_uniforms(const Program& program, const Uniforms& uniforms);

}  // namespace ovra
