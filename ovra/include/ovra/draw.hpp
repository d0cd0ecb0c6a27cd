#pragma once
// The one draw call through which everything is drawn, and clearing.
#include <cstddef>
#include <optional>
#include <variant>

#include <kimbly/color.hpp>

#include "ovra/draw_parameters.hpp"
#include "ovra/framebuffer.hpp"
#include "ovra/program.hpp"
#include "ovra/uniform.hpp"
#include "ovra/vertex_buffer.hpp"

namespace ovra {

// The primitive modes, each with the vertex count it needs (checked only
// when there is at least one vertex; a breach stops the program).
namespace draw_mode {
struct Points {};                       // any count
struct Lines { float line_width; };     // even
struct LineStrip { float line_width; }; // at least 2
struct LineLoop { float line_width; };  // at least 3
struct Triangles {};                    // a multiple of 3
struct TriangleStrip {};                // at least 3
struct TriangleFan {};                  // at least 3
}  // namespace draw_mode

using DrawMode = std::variant<draw_mode::Points, draw_mode::Lines, draw_mode::LineStrip, draw_mode::LineLoop,
                              draw_mode::Triangles, draw_mode::TriangleStrip, draw_mode::TriangleFan>;

// A whole vertex buffer, or its records start (inclusive) to end
// (exclusive). The buffer is borrowed for the draw.
struct VertexRange {
    VertexRange(VertexBufferBase& whole) : buffer(&whole) {}
    VertexRange(VertexBufferBase& buffer, std::size_t start, std::size_t end)
        : buffer(&buffer), range(std::pair{start, end}) {}

    VertexBufferBase* buffer;
    std::optional<std::pair<std::size_t, std::size_t>> range;
};

// What a draw takes as vertices: per-vertex records, optionally with
// per-instance records, each of which feeds one instance (divisor 1).
struct VertexData {
    VertexData(VertexBufferBase& whole) : per_vertex(whole) {}
    VertexData(VertexRange per_vertex) : per_vertex(per_vertex) {}
    static VertexData instanced(VertexRange per_vertex, VertexRange per_instance) {
        VertexData data(per_vertex);
        data.per_instance = per_instance;
        return data;
    }

    VertexRange per_vertex;
    std::optional<VertexRange> per_instance;
};

namespace draw {

// Draws `vertices` with `program` into `framebuffer`: binds the framebuffer,
// applies `parameters`, sets the uniforms the program has, uploads changed
// buffers, binds each record field the program has by name, and draws
// vertex_count vertices (× instance_count instances when instanced) from
// vertex 0. Nothing is drawn when there are no vertices or no instances. A
// count that breaks the mode's rule or a range outside its buffer stops the
// program. Leaves the program, framebuffer, parameters, texture units and
// last array buffer bound.
void draw(Framebuffer& framebuffer, const Program& program, DrawMode mode, const VertexData& vertices,
          const Uniforms& uniforms, const DrawParameters& parameters);

// Clears the colour to `color` and the depth to `depth`, where given, with
// colour and depth writes turned on for what is cleared. Viewport and draw
// parameters play no part; glClear runs even with nothing to clear.
void clear(Framebuffer& framebuffer, std::optional<kimbly::ColorF32> color, std::optional<float> depth);

// Copies the colour of `source` into `destination` pixel for pixel, from the
// lower-left corner over the smaller of the two sizes. Draw parameters play
// no part. Leaves `destination` bound for reading and drawing.
void copy(const Framebuffer& source, Framebuffer& destination);

}  // namespace draw

}  // namespace ovra
