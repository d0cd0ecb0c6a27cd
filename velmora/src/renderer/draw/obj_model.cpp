#include "velmora/renderer/draw/obj_model.hpp"

#include <ranges>

namespace velmora::renderer {

vindle::obj::Meshes prepare_obj(std::string_view text) {
    auto meshes = vindle::obj::parse(text);
    auto to_game = [](kimbly::Vec3 v) { return kimbly::Vec3{v.z, v.x, v.y}; };
    for (auto& mesh : meshes | std::views::values) {
        for (auto& vertex : mesh) {
            vertex.a_v = to_game(vertex.a_v);
            vertex.a_vn = to_game(vertex.a_vn);
            vertex.a_vt.y = 1.0f - vertex.a_vt.y;
        }
    }
    vindle::obj::unitize(meshes | std::views::values);
    for (auto& mesh : meshes | std::views::values) vindle::obj::recalculate_normals(mesh);
    return meshes;
}

Obj Obj::load(const ovra::OvraHandle& context, std::string_view text) {
    Obj obj;
    for (auto& [name, mesh] : prepare_obj(text)) {
        obj.meshes.emplace(name, MeshBuffer::new_static(context, std::move(mesh)));
    }
    return obj;
}

}  // namespace velmora::renderer
