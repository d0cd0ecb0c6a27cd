#include <gtest/gtest.h>

#include <limits>
#include <vector>

#include "model_fixture.hpp"
#include "renderer/draw/gl/viewer_gl_test.hpp"
#include "velmora/renderer/debug_items.hpp"
#include "velmora/renderer/draw/debug.hpp"

namespace {

using namespace velmora;
using model::ColoredVertex;
using model::DebugData;
using model::PrimitiveType;
using velmora::testing::Pixel;
using velmora::testing::pixel_near;

constexpr float NaN = std::numeric_limits<float>::quiet_NaN();
constexpr kimbly::ColorF32 RED{1, 0, 0, 1};
constexpr kimbly::ColorF32 GREEN{0, 1, 0, 1};

ColoredVertex vertex_at(kimbly::Vec2F32 world, kimbly::ColorF32 color) { return {world, {0, 0}, color}; }

DebugData primitives(std::vector<ColoredVertex> vertices, PrimitiveType type) {
    return {DebugData::Primitives{std::move(vertices), type}};
}
DebugData text(ColoredVertex vertex, float size) { return {DebugData::PlacedText{vertex, "Debug", 0, size}}; }

struct DebugGl : velmora::testing::ViewerGlTest {};

// An 80 map seen from straight above, 2 pixels a cell. Player 2 sends a
// triangle at its own corner, which is the game's lower-right corner, with
// a stray fourth vertex; a line with a stray third; a log line; and texts of
// NaN and 1e30 size among a good one. Everything whole is drawn and nothing
// stops.
TEST_F(DebugGl, HostileItemsDrawWhatIsWhole) {
    constexpr kimbly::Vec2Usize SIZE{160, 160};
    auto game = model::testing::empty_model(80);
    renderer::space::RendererData data = renderer::space::create_renderer_data(game);
    renderer::debug::DebugDataMap current;
    current[2].shown = {
        primitives({vertex_at({0, 0}, RED), vertex_at({20, 0}, RED), vertex_at({0, 20}, RED), vertex_at({5, 5}, RED)},
                   PrimitiveType::Triangles),
        primitives({vertex_at({0, 40}, GREEN), vertex_at({40, 40}, GREEN), vertex_at({10, 10}, GREEN)},
                   PrimitiveType::Lines),
        {DebugData::Log{"log line"}},
        text(vertex_at({30, 30}, GREEN), NaN),
        text(vertex_at({30, 30}, GREEN), 1e30f),
        text({std::nullopt, {60, 100}, GREEN}, 20),
    };
    const std::vector<model::Event> events;
    const renderer::CurrentState state{game, data, current, std::nullopt, {}, 1.0, events};

    renderer::debug::Renderer debug(engine);
    auto& target = target_of(SIZE, {0.1f, 0.1f, 0.1f, 1});
    debug.draw(renderer::DrawArgs{std::nullopt, target, velmora::testing::top_down({40, 40}, 40), state});
    EXPECT_EQ(ovra::testing::take_gl_error(), 0u);
    auto pixels = ovra::testing::read_pixels(target);
    ASSERT_TRUE(ovra::testing::write_png("debug_items.png", SIZE, pixels));

    // The triangle: game (60, 0), (80, 0), (80, 20).
    EXPECT_TRUE(pixel_near(pixel(155, 5), {255, 0, 0, 255}));
    EXPECT_TRUE(pixel_near(pixel(125, 35), {26, 26, 26, 255}));
    // The line: game (40, 0) to (40, 40), one pixel wide at x = 80, and
    // nothing above it.
    auto green = [&](std::uint64_t y) {
        return pixel_near(pixel(80, y), {0, 255, 0, 255}) || pixel_near(pixel(79, y), {0, 255, 0, 255});
    };
    EXPECT_TRUE(green(40));
    EXPECT_FALSE(green(100));
}

}  // namespace
