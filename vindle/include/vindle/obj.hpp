#pragma once
// Wavefront OBJ models as plain triangle lists, one per named object or
// group, ready for vertex buffers.
#include <array>
#include <cstddef>
#include <map>
#include <ranges>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include <kimbly/vec2.hpp>
#include <kimbly/vec3.hpp>
#include <ovra/vertex_buffer.hpp>

namespace vindle::obj {

// One corner of a triangle; the field names are the shaders' attribute names.
struct Vertex {
    kimbly::Vec3 a_v;
    kimbly::Vec2F32 a_vt;
    kimbly::Vec3 a_vn;
};
constexpr std::array<ovra::VertexAttribute, 3> vertex_attributes(std::type_identity<Vertex>) {
    return {{{"a_v", offsetof(Vertex, a_v), 3}, {"a_vt", offsetof(Vertex, a_vt), 2}, {"a_vn", offsetof(Vertex, a_vn), 3}}};
}

// Every three consecutive vertices form one triangle.
using Mesh = std::vector<Vertex>;
using Meshes = std::map<std::string, Mesh>;

// A statement that can't be read: "line <n>: <what was wrong>", lines counted
// from 1.
class ParseError : public std::runtime_error {
public:
    ParseError(std::size_t line, const std::string& reason);
    std::size_t line() const { return line_; }

private:
    std::size_t line_;
};

// Meshes by name (the rest of the "o " or "g " line, untrimmed; vertices
// before the first name go to "__unnamed__"). Faces are cut as fans around
// their first corner; meshes without vertices are left out, and a name used
// twice keeps its last block. Throws ParseError for a malformed statement.
Meshes parse(std::string_view text);

// Flat normals: each triangle's (p1 − p0) × (p2 − p0), normalised, on its
// three vertices. A triangle without area gets a zero normal. A mesh whose
// length is not a multiple of 3 is a broken invariant.
void recalculate_normals(Mesh& mesh);

// Rescales meshes together so that the larger of their x and y extents spans
// −1 to 1, centred; z is scaled by the same factor but not moved.
class Unitizer {
public:
    void measure(const Mesh& mesh);
    void rescale(Mesh& mesh) const;

private:
    float min_x_ = 1e9f;
    float max_x_ = -1e9f;
    float min_y_ = 1e9f;
    float max_y_ = -1e9f;
};

template <std::ranges::forward_range Meshes>
    requires std::same_as<std::ranges::range_value_t<Meshes>, Mesh>
void unitize(Meshes&& meshes) {
    Unitizer unitizer;
    for (const Mesh& mesh : meshes) unitizer.measure(mesh);
    for (Mesh& mesh : meshes) unitizer.rescale(mesh);
}

}  // namespace vindle::obj
