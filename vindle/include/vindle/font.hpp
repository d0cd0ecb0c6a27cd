#pragma once
// Single-line TrueType text drawn straight onto a framebuffer, one textured
// quad per glyph in one draw call, with glyphs rasterised on demand into a
// 1024 × 1024 cache texture. Main thread only.
//
// Positions are framebuffer pixels, origin at the bottom-left and y up; a
// position names the left end of the text's descent line (the bottom of its
// line box). A size is the line box's height in pixels. Texts, sizes and
// positions may come from players' programs: an unusable size or position
// (see `usable`) draws nothing, and glyphs too large for the cache are left
// out.
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <type_traits>
#include <vector>

#include <kimbly/aabb.hpp>
#include <kimbly/color.hpp>
#include <kimbly/exclusive_cell.hpp>
#include <kimbly/vec2.hpp>
#include <ovra/framebuffer.hpp>
#include <ovra/program.hpp>
#include <ovra/texture.hpp>
#include <ovra/vertex_buffer.hpp>

#include "vindle/font_face.hpp"
#include "vindle/font_glyph_cache.hpp"
#include "vindle/shader_lib.hpp"

namespace vindle::font {

// One corner of a glyph quad: framebuffer pixels from the top-left corner,
// y down, and the texture coordinate in the cache.
struct Vertex {
    kimbly::Vec2F32 a_pos;
    kimbly::Vec2F32 a_vt;
};
constexpr std::array<ovra::VertexAttribute, 2> vertex_attributes(std::type_identity<Vertex>) {
    return {{{"a_pos", offsetof(Vertex, a_pos), 2}, {"a_vt", offsetof(Vertex, a_vt), 2}}};
}

inline constexpr std::uint32_t CACHE_SIDE = 1024;
inline constexpr float SIZE_TOLERANCE = 0.1f;
inline constexpr float POSITION_TOLERANCE = 0.1f;

// The text program's source.
extern const std::string_view TEXT_PROGRAM;

// The bytes of the engine's default font, Roboto Bold, built into the
// program.
std::span<const std::uint8_t> default_font_bytes();

class Font {
public:
    // FontError "Failed to read font" when `bytes` are not a TrueType font;
    // a failure to compile the text program stops the program.
    static Font new_with(ovra::OvraHandle context, const shader_lib::ShaderLib& library,
                         std::vector<std::uint8_t> bytes);

    // The ink box of the text, whole pixels, in the frame of `position`.
    kimbly::AabbF32 measure_at(std::string_view text, kimbly::Vec2F32 position, float size) const {
        return face_.measure_at(text, position, size);
    }
    kimbly::AabbF32 measure(std::string_view text, float size) const { return face_.measure(text, size); }

    void draw(ovra::Framebuffer& framebuffer, std::string_view text, kimbly::Vec2F32 position, float size,
              kimbly::ColorF32 color) const;
    // Moves the position left by the measured ink width × `alignment`: 0
    // draws as `draw`, 0.5 centres the ink on the position, 1 ends it there
    // (each offset by the first glyph's left bearing).
    void draw_aligned(ovra::Framebuffer& framebuffer, std::string_view text, kimbly::Vec2F32 position,
                      float alignment, float size, kimbly::ColorF32 color) const;

    const FontFace& face() const { return face_; }

private:
    Font(ovra::OvraHandle context, const shader_lib::ShaderLib& library, FontFace face);

    FontFace face_;
    mutable kimbly::ExclusiveCell<GlyphCache> cache_;
    mutable kimbly::ExclusiveCell<ovra::Texture2d> cache_texture_;
    mutable kimbly::ExclusiveCell<ovra::VertexBuffer<Vertex>> vertices_;
    ovra::Program program_;
};

}  // namespace vindle::font
