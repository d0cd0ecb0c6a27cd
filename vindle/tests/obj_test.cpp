#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include <test_support/panic_message.hpp>

#include "vindle/obj.hpp"

namespace {

using vindle::obj::Mesh;
using vindle::obj::Meshes;
using vindle::obj::Vertex;

// Each mesh as the x of its positions, in order; the models below number
// their positions by x.
std::map<std::string, std::vector<float>> xs(const Meshes& meshes) {
    std::map<std::string, std::vector<float>> out;
    for (const auto& [name, mesh] : meshes) {
        for (const auto& vertex : mesh) out[name].push_back(vertex.a_v.x);
    }
    return out;
}

const std::string CORNERS = "v 1 0 0\nv 2 0 0\nv 3 0 0\nv 4 0 0\nvt 0 1\nvn 0 0 1\n";

TEST(ObjParse, Statements) {
    struct Case {
        const char* name;
        std::string text;
        std::map<std::string, std::vector<float>> meshes;
    };
    const Case cases[] = {
        {"one triangle", "v 1 2 3\nvt 0 1\nvn 0 0 1\nf 1/1/1 1/1/1 1/1/1", {{"__unnamed__", {1, 1, 1}}}},
        {"quad as a fan", CORNERS + "f 1/1/1 2/1/1 3/1/1 4/1/1\n", {{"__unnamed__", {1, 2, 3, 1, 3, 4}}}},
        {"faces of fewer than 3 corners add nothing", CORNERS + "f 1/1/1 2/1/1\nf\n", {}},
        {"an empty object is left out", CORNERS + "o A\no B\nf 1/1/1 2/1/1 3/1/1\n", {{"B", {1, 2, 3}}}},
        {"a repeated name keeps its last block",
         CORNERS + "g body\nf 1/1/1 2/1/1 3/1/1\ng wing\nf 2/1/1 3/1/1 4/1/1\ng body\nf 4/1/1 3/1/1 1/1/1\n",
         {{"body", {4, 3, 1}}, {"wing", {2, 3, 4}}}},
        {"indices are global across objects", "o A\n" + CORNERS + "f 1/1/1 2/1/1 3/1/1\no B\nf 3/1/1 4/1/1 1/1/1\n",
         {{"A", {1, 2, 3}}, {"B", {3, 4, 1}}}},
        {"names are not trimmed, CRLF ends lines",
         CORNERS + "o  spaced \r\nf 1/1/1 2/1/1 3/1/1/9\r\n", {{" spaced ", {1, 2, 3}}}},
        {"other statements and indented lines are ignored",
         CORNERS + "# f 1/1/1\nusemtl x\ns 1\nl 1 2\n f 1/1/1 2/1/1 3/1/1\nv\nf 1/1/1 2/1/1 3/1/1\n",
         {{"__unnamed__", {1, 2, 3}}}},
        {"extra numbers and signs", "v +1 0 0 9\nvt 0 0 0\nvn 0 0 1\nf 1/1/1 1/1/1 1/1/1\n",
         {{"__unnamed__", {1, 1, 1}}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(xs(vindle::obj::parse(c.text)), c.meshes);
    }
}

TEST(ObjParse, CornersTakeTheirTextureCoordinateAndNormal) {
    auto mesh = vindle::obj::parse("v 1 2 3\nvt 0.5 0.25\nvt 1 1\nvn 0 1 0\nf 1/2/1 1/1/1 1/2/1\n").at("__unnamed__");
    ASSERT_EQ(mesh.size(), 3u);
    EXPECT_EQ(mesh[1].a_v, (kimbly::Vec3{1, 2, 3}));
    EXPECT_EQ(mesh[1].a_vt, (kimbly::Vec2F32{0.5f, 0.25f}));
    EXPECT_EQ(mesh[0].a_vt, (kimbly::Vec2F32{1, 1}));
    EXPECT_EQ(mesh[1].a_vn, (kimbly::Vec3{0, 1, 0}));
}

TEST(ObjParse, MalformedStatementsNameTheirLine) {
    struct Case {
        std::string face;
        std::string error;
    };
    const Case cases[] = {
        {"f 1/1/1 0/1/1 1/1/1", "line 7: position index 0 is outside 1..4"},
        {"f 1/1/1 5/1/1 1/1/1", "line 7: position index 5 is outside 1..4"},
        {"f 1/2/1 1/1/1 1/1/1", "line 7: texture coordinate index 2 is outside 1..1"},
        {"f 1/1/1 1/1/1 1/1/0", "line 7: normal index 0 is outside 1..1"},
        {"f 1 2 3", "line 7: a face corner lacks a texture coordinate index"},
        {"f 1//1 2//1 3//1", "line 7: a face corner lacks a texture coordinate index"},
        {"f 1/1 2/1 3/1", "line 7: a face corner lacks a normal index"},
        {"f -1/1/1 1/1/1 1/1/1", "line 7: \"-1\" is not a position index"},
        {"f 99999999999999999999/1/1 1/1/1 1/1/1", "line 7: \"99999999999999999999\" is not a position index"},
        {"v 1 2", "line 7: \"v\" needs 3 numbers"},
        {"vt 1 x", "line 7: \"x\" is not a number"},
        {"vn 1 2 3z", "line 7: \"3z\" is not a number"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.face);
        try {
            vindle::obj::parse(CORNERS + c.face + "\n");
            ADD_FAILURE() << "parsed";
        } catch (const vindle::obj::ParseError& error) {
            EXPECT_EQ(error.what(), c.error);
            EXPECT_EQ(error.line(), 7u);
        }
    }
}

Vertex at(float x, float y, float z) { return Vertex{{x, y, z}, {}, {9, 9, 9}}; }

TEST(ObjNormals, FlatAndUnitLengthByWinding) {
    Mesh mesh{at(0, 0, 0), at(2, 0, 0), at(0, 2, 0), at(0, 0, 0), at(0, 3, 0), at(3, 0, 0)};
    vindle::obj::recalculate_normals(mesh);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(mesh[i].a_vn, (kimbly::Vec3{0, 0, 1}));
    for (int i = 3; i < 6; ++i) EXPECT_EQ(mesh[i].a_vn, (kimbly::Vec3{0, 0, -1}));
    EXPECT_EQ(mesh[1].a_v, (kimbly::Vec3{2, 0, 0}));
}

TEST(ObjNormals, TrianglesWithoutAreaGetAZeroNormal) {
    float nan = std::numeric_limits<float>::quiet_NaN();
    Mesh mesh{at(1, 1, 1), at(1, 1, 1), at(2, 2, 2), at(0, 0, 0), at(nan, 0, 0), at(0, 1, 0)};
    vindle::obj::recalculate_normals(mesh);
    for (const auto& vertex : mesh) EXPECT_EQ(vertex.a_vn, (kimbly::Vec3{0, 0, 0}));
    Mesh cut{at(0, 0, 0), at(1, 0, 0)};
    EXPECT_EQ(test_support::panic_message([&] { vindle::obj::recalculate_normals(cut); }),
              "mesh length is not a multiple of 3");
}

TEST(ObjUnitize, RescalesMeshesTogetherByTheirLargerExtent) {
    float nan = std::numeric_limits<float>::quiet_NaN();
    std::vector<Mesh> meshes{{at(0, 0, 2), at(4, 1, -4)}, {at(2, 2, 0), at(nan, 1, 1)}};
    vindle::obj::unitize(meshes);
    EXPECT_EQ(meshes[0][0].a_v, (kimbly::Vec3{-1, -0.5f, 1}));
    EXPECT_EQ(meshes[0][1].a_v, (kimbly::Vec3{1, 0, -2}));
    EXPECT_EQ(meshes[1][0].a_v, (kimbly::Vec3{0, 0.5f, 0}));
    EXPECT_EQ(meshes[1][1].a_v.z, 0.5f);

    Meshes parsed{{"a", {at(0, 0, 0), at(4, 2, 0)}}};
    vindle::obj::unitize(parsed | std::views::values);
    EXPECT_EQ(parsed["a"][1].a_v, (kimbly::Vec3{1, 0.5f, 0}));
}

TEST(ObjUnitize, MeshesWithoutExtentAreOnlyCentred) {
    std::vector<Mesh> meshes{{at(3, 5, 2), at(3, 5, -1)}};
    vindle::obj::unitize(meshes);
    EXPECT_EQ(meshes[0][0].a_v, (kimbly::Vec3{0, 0, 2}));
    EXPECT_EQ(meshes[0][1].a_v, (kimbly::Vec3{0, 0, -1}));
}

}  // namespace
