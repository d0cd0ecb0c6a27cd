#pragma once
// Models of the viewer's OBJ files: their meshes turned from the file's axes
// (y up) into the game's (z up), scaled together into the unit box, in
// vertex buffers by name; and what the ship and building records take out
// of them.
#include <algorithm>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <ovra/vertex_buffer.hpp>
#include <ovra/context.hpp>
#include <vindle/obj.hpp>

namespace velmora::renderer {

using MeshBuffer = ovra::VertexBuffer<vindle::obj::Vertex>;

// The text's meshes ready to draw: a file point (x, y, z) becomes (z, x, y)
// and a texture coordinate (u, v) becomes (u, 1 − v); then all meshes are
// unitized together and get flat normals. A malformed statement throws
// vindle::obj::ParseError.
vindle::obj::Meshes prepare_obj(std::string_view text);

struct Obj {
    std::map<std::string, MeshBuffer> meshes;

    // prepare_obj's meshes in static vertex buffers.
    static Obj load(const ovra::OvraHandle& context, std::string_view text);
};

// The meshes whose names don't contain "light" (case-sensitive), ordered
// by name byte by byte (as std::map orders std::string); the others are
// dropped.
template <class Mesh>
std::vector<std::pair<std::string, Mesh>> building_parts(std::map<std::string, Mesh> meshes) {
    std::vector<std::pair<std::string, Mesh>> parts;
    for (auto& [name, mesh] : meshes) {
        if (name.find("light") == std::string::npos) parts.emplace_back(name, std::move(mesh));
    }
    return parts;
}

}  // namespace velmora::renderer
