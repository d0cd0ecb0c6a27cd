#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "velmora/renderer/draw/obj_model.hpp"

namespace {

using velmora::renderer::building_parts;
using velmora::renderer::prepare_obj;

TEST(BuildingParts, DropsLightsCaseSensitivelyAndSortsByBytes) {
    std::map<std::string, int> meshes{{"roof", 1}, {"lights", 2}, {"base", 3}, {"Light", 4}, {"spotlight_2", 5}};
    auto parts = building_parts(meshes);
    std::vector<std::pair<std::string, int>> expected{{"Light", 4}, {"base", 3}, {"roof", 1}};
    EXPECT_EQ(parts, expected);
}

// A closed box spanning file x 0..4, y (up) 0..2 and z 0..2, its faces
// wound counter-clockwise from outside, every corner at texture
// coordinate (0.25, 0.1).
constexpr std::string_view BOX = R"(o box
v 0 0 0
v 4 0 0
v 4 2 0
v 0 2 0
v 0 0 2
v 4 0 2
v 4 2 2
v 0 2 2
vt 0.25 0.1
vn 0 0 1
f 1/1/1 4/1/1 3/1/1 2/1/1
f 5/1/1 6/1/1 7/1/1 8/1/1
f 1/1/1 5/1/1 8/1/1 4/1/1
f 2/1/1 3/1/1 7/1/1 6/1/1
f 4/1/1 8/1/1 7/1/1 3/1/1
f 1/1/1 2/1/1 6/1/1 5/1/1
)";

TEST(PrepareObj, TurnsTheFileUpIntoZScalesAllMeshesTogetherAndFlipsV) {
    auto meshes = prepare_obj(BOX);
    ASSERT_EQ(meshes.size(), 1u);
    const auto& mesh = meshes.at("box");
    ASSERT_EQ(mesh.size(), 36u);
    kimbly::Vec3 low{1e9f, 1e9f, 1e9f}, high{-1e9f, -1e9f, -1e9f};
    for (const auto& vertex : mesh) {
        low = {std::min(low.x, vertex.a_v.x), std::min(low.y, vertex.a_v.y), std::min(low.z, vertex.a_v.z)};
        high = {std::max(high.x, vertex.a_v.x), std::max(high.y, vertex.a_v.y), std::max(high.z, vertex.a_v.z)};
        EXPECT_EQ(vertex.a_vt, (kimbly::Vec2F32{0.25f, 0.9f}));
    }
    // Game x from the file's z, y from its x, z from its y (halved, not moved).
    EXPECT_EQ(low, (kimbly::Vec3{-0.5f, -1.0f, 0.0f}));
    EXPECT_EQ(high, (kimbly::Vec3{0.5f, 1.0f, 1.0f}));
}

// Flat normals come after the axis change: each points out of its face,
// so the file's top face (y = 2) now faces +z.
TEST(PrepareObj, NormalsAreRecomputedOutwardInGameAxes) {
    auto mesh = prepare_obj(BOX).at("box");
    int up = 0;
    for (std::size_t i = 0; i < mesh.size(); i += 3) {
        kimbly::Vec3 n = mesh[i].a_vn;
        kimbly::Vec3 c{(mesh[i].a_v.x + mesh[i + 1].a_v.x + mesh[i + 2].a_v.x) / 3,
                       (mesh[i].a_v.y + mesh[i + 1].a_v.y + mesh[i + 2].a_v.y) / 3,
                       (mesh[i].a_v.z + mesh[i + 1].a_v.z + mesh[i + 2].a_v.z) / 3};
        EXPECT_NEAR(n.x * n.x + n.y * n.y + n.z * n.z, 1.0f, 1e-6f);
        EXPECT_GT(n.x * c.x + n.y * c.y + n.z * (c.z - 0.5f), 0) << "triangle " << i / 3;
        if (n == kimbly::Vec3{0, 0, 1}) up += 1;
    }
    EXPECT_EQ(up, 2);
}

TEST(PrepareObj, MeshesShareOneScale) {
    auto meshes = prepare_obj("o a\nv 0 0 0\nv 1 0 0\nv 0 0 1\nvt 0 0\nvn 0 1 0\nf 1/1/1 3/1/1 2/1/1\n"
                              "o b\nv 3 1 3\nv 4 1 3\nv 3 1 4\nf 4/1/1 6/1/1 5/1/1\n");
    // Together the meshes span 4 in both horizontal directions.
    EXPECT_EQ(meshes.at("a")[0].a_v, (kimbly::Vec3{-1.0f, -1.0f, 0.0f}));
    EXPECT_EQ(meshes.at("b")[0].a_v, (kimbly::Vec3{0.5f, 0.5f, 0.5f}));
}

}  // namespace
