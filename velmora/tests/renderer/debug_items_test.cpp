#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include <kimbly/panic.hpp>

#include "velmora/renderer/debug_items.hpp"
#include "velmora/renderer/renderer_camera.hpp"

namespace {

using namespace velmora::renderer::debug;
using velmora::model::ColoredVertex;
using velmora::model::DebugData;
using velmora::model::PrimitiveType;
using kimbly::Vec2F32;

constexpr float NaN = std::numeric_limits<float>::quiet_NaN();
constexpr float INF = std::numeric_limits<float>::infinity();
constexpr kimbly::ColorF32 RED{1, 0, 0, 1};

const View VIEW{80, velmora::renderer::default_camera_for_map(80), {800, 600}};

DebugData log(std::string text) { return {DebugData::Log{std::move(text)}}; }
ColoredVertex at_world(Vec2F32 point) { return {point, {0, 0}, RED}; }
ColoredVertex at_pixel(Vec2F32 pixel) { return {std::nullopt, pixel, RED}; }
DebugData primitives(std::size_t count, PrimitiveType type) {
    return {DebugData::Primitives{std::vector<ColoredVertex>(count, at_pixel({1, 2})), type}};
}
DebugData text(ColoredVertex vertex, float size, float alignment = 0) {
    return {DebugData::PlacedText{vertex, "t", alignment, size}};
}

DebugDataMap shown(std::initializer_list<std::pair<std::size_t, std::vector<DebugData>>> players) {
    DebugDataMap map;
    for (const auto& [index, items] : players) map[index].shown = items;
    return map;
}

// Four log lines, three of the current map (two of player 0, one of player
// 1) and one of the debug updates, down the left of the window.
TEST(DebugItems, LogLinesRunOnAcrossPlayersAndMaps) {
    const auto current = shown({{0, {log("a"), log("b")}}, {1, {log("c")}}});
    const auto updates = shown({{0, {log("d")}}});
    const auto items = frame_items(current, updates, VIEW);
    ASSERT_EQ(items.size(), 4u);
    const std::string texts[] = {"a", "b", "c", "d"};
    for (std::size_t k = 0; k < 4; ++k) {
        const auto& line = std::get<LogLine>(items[k]);
        EXPECT_EQ(line.text, texts[k]);
        EXPECT_EQ(line.position, (Vec2F32{50, 600 - 16 - 16.0f * float(k)}));
    }
}

TEST(DebugItems, PendingItemsAreNotDrawn) {
    DebugDataMap current;
    current[0].pending = {log("later")};
    EXPECT_TRUE(frame_items(current, {}, VIEW).empty());
}

// The vertex counts come from player programs: whatever they send, only
// whole lines and triangles reach the draw.
TEST(DebugItems, PrimitivesCutDownToWholePrimitives) {
    struct Case {
        std::size_t count;
        PrimitiveType type;
        std::size_t drawn;
    };
    const Case cases[] = {
        {0, PrimitiveType::Lines, 0},     {1, PrimitiveType::Lines, 0},     {3, PrimitiveType::Lines, 2},
        {4, PrimitiveType::Lines, 4},     {2, PrimitiveType::Triangles, 0}, {5, PrimitiveType::Triangles, 3},
        {7, PrimitiveType::Triangles, 6}, {9, PrimitiveType::Triangles, 9},
    };
    for (const auto& c : cases) {
        const auto items = frame_items(shown({{1, {primitives(c.count, c.type)}}}), {}, VIEW);
        if (c.drawn == 0) {
            EXPECT_TRUE(items.empty()) << c.count;
            continue;
        }
        ASSERT_EQ(items.size(), 1u) << c.count;
        const auto& shape = std::get<Shape>(items[0]);
        EXPECT_EQ(shape.vertices.size(), c.drawn) << c.count;
        EXPECT_EQ(shape.type, c.type);
    }
}

TEST(DebugItems, PlacedTextsBeyondAnyScreenAreLeftOut) {
    struct Case {
        const char* name;
        DebugData item;
        bool drawn;
    };
    const Case cases[] = {
        {"plain", text(at_pixel({10, 20}), 16), true},
        {"NaN size", text(at_pixel({10, 20}), NaN), false},
        {"1e30 size", text(at_pixel({10, 20}), 1e30f), false},
        {"infinite size", text(at_pixel({10, 20}), INF), false},
        {"no size", text(at_pixel({10, 20}), 0), false},
        {"negative size", text(at_pixel({10, 20}), -16), false},
        {"NaN alignment", text(at_pixel({10, 20}), 16, NaN), false},
        {"NaN offset", text(at_pixel({NaN, 20}), 16), false},
        {"huge offset", text(at_pixel({10, 1e30f}), 16), false},
        {"NaN world point", text(at_world({NaN, 1}), 16), false},
        {"huge world point", text(at_world({1e30f, 1}), 16), false},
        {"largest size", text(at_pixel({10, 20}), MAX_TEXT_SIZE), true},
    };
    for (const auto& c : cases) {
        const auto items = frame_items(shown({{0, {c.item}}}), {}, VIEW);
        EXPECT_EQ(items.size(), c.drawn ? 1u : 0u) << c.name;
    }
}

// A vertex without a world point sits at its offset from the lower-left
// corner; one with a world point is turned from the player's frame first.
TEST(DebugItems, PositionsFromThePlayersFrame) {
    const auto current = shown({{2, {text(at_pixel({7, 9}), 16, 0.5f), text(at_world({10, 20}), 16)}}});
    const auto items = frame_items(current, {}, VIEW);
    ASSERT_EQ(items.size(), 2u);
    const auto& corner = std::get<Label>(items[0]);
    EXPECT_EQ(corner.position, (Vec2F32{7, 9}));
    EXPECT_EQ(corner.alignment, 0.5f);
    EXPECT_EQ(corner.size, 16);
    EXPECT_EQ(corner.color, RED);
    EXPECT_EQ(std::get<Label>(items[1]).position, VIEW.camera.world_to_screen(VIEW.framebuffer_size, {60, 10}));

    ColoredVertex offset = at_world({10, 20});
    offset.screen_offset = {3, -4};
    const auto moved = convert_position(2, VIEW, offset);
    const auto base = VIEW.camera.world_to_screen(VIEW.framebuffer_size, {60, 10});
    EXPECT_EQ(moved, (Vec2F32{base.x + 3, base.y - 4}));
    EXPECT_THROW(convert_position(4, VIEW, offset), kimbly::Panic);
    EXPECT_EQ(convert_position(4, VIEW, at_pixel({1, 1})), (Vec2F32{1, 1}));
}

}  // namespace
