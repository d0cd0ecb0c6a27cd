// How large the generated ships show inside their health rings: a ship is
// drawn at a fifth of its rescaled model, and the rescaling counts the
// trail, so a long trail would leave a small hull set off its centre.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include <vindle/testing/asset_fixture.hpp>

#include "velmora/renderer/draw/assets.hpp"
#include "velmora/renderer/draw/model_renderer.hpp"
#include "viewer_gl_test.hpp"

namespace {

using velmora::renderer::space::Spaceship;

// Pixels per cell; the picture spans a ring's outer diameter, 0.9 cells.
constexpr std::uint64_t SHIP_PIXELS_PER_CELL = 200;
constexpr std::uint64_t SHIP_PICTURE_SIDE = 180;
// The view draws a unit of size 1 at 0.2 of its model, which spans −1..1.
constexpr float SHIP_SCALE = 0.2f;

// The bounds of the drawn pixels, in cells from the ship's position.
struct ShipBounds {
    float left = 1, right = -1, bottom = 1, top = -1;
};

using ShipModelsGl = velmora::testing::ViewerGlTest;

TEST_F(ShipModelsGl, HullsFillTheirScaleAndSitOnTheirPosition) {
    auto future = vindle::asset::LoadAsset<velmora::renderer::space::unit::Assets>::load(
        *engine, std::string(VELMORA_ASSETS_DIR) + "/unit");
    auto assets = asset_test::wait(*future).take();
    vindle::shader_lib::ShaderLib library(ovra);
    velmora::renderer::space::obj::Renderer models(library, ovra);
    const auto white = ovra::Texture2d::new_with(ovra, {1, 1}, [](kimbly::Vec2Usize) {
        return kimbly::ColorF32{1, 1, 1, 1};
    });
    const velmora::camera::Camera camera = velmora::testing::top_down({0, 0}, 0.45f);

    struct Case {
        const char* name;
        Spaceship* ship;
    };
    const Case cases[] = {{"ranged", &assets.ranged}, {"melee", &assets.melee}, {"worker", &assets.worker}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto& target = target_of({SHIP_PICTURE_SIDE, SHIP_PICTURE_SIDE});
        const velmora::renderer::ModelPlacement placement{{0, 0, 0}, 0, 0, SHIP_SCALE, {1, 1, 1, 1}, 0};
        models.draw(target, camera, c.ship->spaceship, white, std::span(&placement, 1));

        const auto pixels = ovra::testing::read_pixels(target);
        ShipBounds drawn;
        const auto cells = [](std::uint64_t pixel) {
            const float from_middle = static_cast<float>(pixel) + 0.5f - SHIP_PICTURE_SIDE / 2.0f;
            return from_middle / static_cast<float>(SHIP_PIXELS_PER_CELL);
        };
        for (std::uint64_t y = 0; y < SHIP_PICTURE_SIDE; ++y) {
            for (std::uint64_t x = 0; x < SHIP_PICTURE_SIDE; ++x) {
                if (ovra::testing::pixel_at(pixels, SHIP_PICTURE_SIDE, x, y)[3] == 0) continue;
                drawn = {std::min(drawn.left, cells(x)), std::max(drawn.right, cells(x)),
                         std::min(drawn.bottom, cells(y)), std::max(drawn.top, cells(y))};
            }
        }
        // Heading 0 is along +x: nose to tail, the hull spans most of the
        // 0.4 cells its scale allows, centred on the position.
        EXPECT_GT(drawn.right - drawn.left, 0.85f * 2 * SHIP_SCALE);
        EXPECT_NEAR((drawn.right + drawn.left) / 2, 0.0f, 0.03f);
        EXPECT_NEAR((drawn.top + drawn.bottom) / 2, 0.0f, 0.03f);
        EXPECT_TRUE(c.ship->trail.has_value());
    }
}

}  // namespace
