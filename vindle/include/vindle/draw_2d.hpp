#pragma once
// Flat shapes in framebuffer pixels (origin at the lower-left corner, y up),
// each one immediate draw call in one colour with alpha blending: points in
// any mode, filled and textured rectangles and filled axis-aligned ellipses.
// Main thread only.
#include <array>
#include <cstddef>
#include <span>
#include <string_view>
#include <type_traits>

#include <kimbly/aabb.hpp>
#include <kimbly/color.hpp>
#include <kimbly/exclusive_cell.hpp>
#include <kimbly/vec2.hpp>
#include <ovra/draw.hpp>
#include <ovra/framebuffer.hpp>
#include <ovra/program.hpp>
#include <ovra/texture.hpp>
#include <ovra/vertex_buffer.hpp>

#include "vindle/shader_lib.hpp"

namespace vindle::draw_2d {

struct Vertex {
    kimbly::Vec2F32 a_pos;
    kimbly::ColorF32 a_color{1, 1, 1, 1};
};
constexpr std::array<ovra::VertexAttribute, 2> vertex_attributes(std::type_identity<Vertex>) {
    return {{{"a_pos", offsetof(Vertex, a_pos), 2}, {"a_color", offsetof(Vertex, a_color), 4}}};
}

struct TexturedVertex {
    kimbly::Vec2F32 a_pos;
    kimbly::ColorF32 a_color{1, 1, 1, 1};
    kimbly::Vec2F32 a_vt;
};
constexpr std::array<ovra::VertexAttribute, 3> vertex_attributes(std::type_identity<TexturedVertex>) {
    return {{{"a_pos", offsetof(TexturedVertex, a_pos), 2},
             {"a_color", offsetof(TexturedVertex, a_color), 4},
             {"a_vt", offsetof(TexturedVertex, a_vt), 2}}};
}

struct QuadVertex {
    kimbly::Vec2F32 a_quad_pos;
};
constexpr std::array<ovra::VertexAttribute, 1> vertex_attributes(std::type_identity<QuadVertex>) {
    return {{{"a_quad_pos", offsetof(QuadVertex, a_quad_pos), 2}}};
}

// The sources of the three programs, for tests that compile every program
// of the engine.
extern const std::string_view COLOR_PROGRAM;
extern const std::string_view TEXTURED_PROGRAM;
extern const std::string_view ELLIPSE_PROGRAM;

class Draw2D {
public:
    // Compiles the three programs; a failure stops the program with the
    // error's text.
    Draw2D(const shader_lib::ShaderLib& library, ovra::OvraHandle context);

    // One vertex per point, in order, with the vertex count rule of `mode`.
    void draw(ovra::Framebuffer& framebuffer, std::span<const kimbly::Vec2F32> points, kimbly::ColorF32 color,
              ovra::DrawMode mode) const;
    // Corners (min, min), (max, min), (max, max), (min, max) as a fan; an
    // inverted rectangle winds the other way and is drawn all the same.
    void quad(ovra::Framebuffer& framebuffer, kimbly::AabbF32 rect, kimbly::ColorF32 color) const;
    // The texture's first row of data along the rectangle's top edge.
    void textured_quad(ovra::Framebuffer& framebuffer, kimbly::AabbF32 rect, const ovra::Texture2d& texture,
                       kimbly::ColorF32 color) const;
    // `radii` are the half width and half height.
    void ellipse(ovra::Framebuffer& framebuffer, kimbly::Vec2F32 center, kimbly::Vec2F32 radii,
                 kimbly::ColorF32 color) const;

private:
    mutable kimbly::ExclusiveCell<ovra::VertexBuffer<Vertex>> vertices_;
    mutable kimbly::ExclusiveCell<ovra::VertexBuffer<TexturedVertex>> textured_vertices_;
    ovra::Program color_program_;
    ovra::Program textured_program_;
    mutable ovra::VertexBuffer<QuadVertex> corners_;
    ovra::Program ellipse_program_;
};

}  // namespace vindle::draw_2d
