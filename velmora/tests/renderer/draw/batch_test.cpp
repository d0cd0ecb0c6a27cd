#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "velmora/renderer/draw/circle_bar.hpp"
#include "velmora/renderer/draw/ez.hpp"
#include "velmora/renderer/draw/shaders.hpp"
#include "velmora/renderer/draw/sprite.hpp"

namespace {

using namespace velmora::renderer;

// The records are read field by field by the programs, so their layouts are
// part of what the shaders agree on.
TEST(BatchRecords, SizesAndShaderLengths) {
    EXPECT_EQ(sizeof(Corner), 8u);
    EXPECT_EQ(sizeof(ez::Instance), 36u);
    EXPECT_EQ(sizeof(ez::Vertex), 44u);
    EXPECT_EQ(sizeof(sprite::Instance), 36u);
    EXPECT_EQ(sizeof(circle_bar::Instance), 52u);
    EXPECT_EQ(shaders::EZ_INSTANCED.size(), 647u);
    EXPECT_EQ(shaders::EZ_SCREEN.size(), 381u);
    EXPECT_EQ(shaders::SPRITE.size(), 600u);
    EXPECT_EQ(shaders::CIRCLE_BAR.size(), 882u);
}

TEST(EzGrid, TwoByOneGivesFiveLinesInOrder) {
    auto vertices = ez::grid_vertices(2, 1, {0, 0, 0, 0.1f});
    std::vector<std::pair<float, float>> points;
    for (const auto& v : vertices) {
        points.emplace_back(v.a_pos.x, v.a_pos.y);
        EXPECT_EQ(v.i_rotation, 0);
        EXPECT_EQ(v.i_pos, (kimbly::Vec2F32{0, 0}));
        EXPECT_EQ(v.i_size, (kimbly::Vec2F32{1, 1}));
        EXPECT_EQ(v.i_color, (kimbly::ColorF32{0, 0, 0, 0.1f}));
    }
    const std::vector<std::pair<float, float>> expected{{0, 0}, {0, 1}, {1, 0}, {1, 1}, {2, 0},
                                                        {2, 1}, {0, 0}, {2, 0}, {0, 1}, {2, 1}};
    EXPECT_EQ(points, expected);
    EXPECT_EQ(ez::grid_vertices(80, 80, {}).size(), 2u * (81 + 81));
}

}  // namespace
