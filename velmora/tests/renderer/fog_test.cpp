#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <vector>

#include "model_fixture.hpp"
#include "velmora/renderer/fog.hpp"

namespace {

using velmora::model::EntityType;
using velmora::model::Model;
using velmora::model::SightGrid;
using velmora::model::usize;
using namespace velmora::renderer::fog;
using namespace velmora::model::testing;

std::uint8_t alpha_at(const std::vector<std::uint8_t>& texels, usize side, usize i, usize j) {
    return texels[(j * side + i) * 4 + 3];
}

// Only cell (0, 0) of a 3 × 3 map is seen.
SightGrid corner_seen() {
    SightGrid sight{3, std::vector<usize>(9, 0)};
    sight.at(0, 0) = 1;
    return sight;
}

TEST(FogDisplay, TexelsRingTheMapAndClearSeenCells) {
    const auto texels = fog_texels(corner_seen());
    constexpr usize SIDE = 5;
    ASSERT_EQ(texels.size(), SIDE * SIDE * 4);
    EXPECT_EQ(alpha_at(texels, SIDE, 0, 0), 255);
    EXPECT_EQ(alpha_at(texels, SIDE, SIDE - 1, SIDE - 1), 255);
    EXPECT_EQ(alpha_at(texels, SIDE, 1, 1), 0);  // cell (0, 0)
    EXPECT_EQ(alpha_at(texels, SIDE, 2, 1), 255);
    EXPECT_EQ(alpha_at(texels, SIDE, 1, 2), 255);
    for (usize k = 0; k < SIDE * SIDE; ++k) {
        EXPECT_EQ(texels[k * 4], 255);
        EXPECT_EQ(texels[k * 4 + 1], 255);
        EXPECT_EQ(texels[k * 4 + 2], 255);
    }
}

TEST(FogDisplay, SchematicSquaresCoverUnseenCellsXOuter) {
    const auto squares = fog_squares(corner_seen());
    ASSERT_EQ(squares.size(), 8u);
    EXPECT_EQ(squares[0].center, (kimbly::Vec2F32{0.5f, 1.5f}));
    EXPECT_EQ(squares[1].center, (kimbly::Vec2F32{0.5f, 2.5f}));
    EXPECT_EQ(squares[2].center, (kimbly::Vec2F32{1.5f, 0.5f}));
    EXPECT_EQ(squares[0].half_size, (kimbly::Vec2F32{0.5f, 0.5f}));
    EXPECT_EQ(squares[0].color, FOG_COLOR);
}

TEST(FogDisplay, FilterSelectsWhoseSightCounts) {
    Model state = empty_model(20, true);
    const usize first = add_player(state, 0);
    const usize second = add_player(state, 1);
    add_entity(state, EntityType::MeleeUnit, first, at(1, 1));
    add_entity(state, EntityType::MeleeUnit, second, at(18, 18));

    struct Case {
        std::optional<std::size_t> filter;
        bool sees_first, sees_second;
    };
    const Case cases[] = {{0, true, false}, {1, false, true}, {3, true, true}, {std::nullopt, true, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.filter ? static_cast<int>(*c.filter) : -1);
        const SightGrid sight = visible_cells(state, c.filter);
        EXPECT_EQ(sight.visible(1, 1), c.sees_first);
        EXPECT_EQ(sight.visible(18, 18), c.sees_second);
        EXPECT_FALSE(sight.visible(10, 10));
    }

    state.fog_of_war = false;
    EXPECT_TRUE(fog_squares(visible_cells(state, 0)).empty());
    const auto texels = fog_texels(visible_cells(state, 0));
    EXPECT_EQ(alpha_at(texels, 22, 11, 1), 0);
    EXPECT_EQ(alpha_at(texels, 22, 21, 11), 255);
}

}  // namespace
