#include <gtest/gtest.h>

#include <ovra/draw.hpp>
#include <ovra/testing/gl_test.hpp>
#include <vindle/shader_lib.hpp>

#include "velmora/renderer/draw/fog_plane.hpp"

namespace {

using ovra::testing::pixel_at;
using ovra::testing::read_pixels;

class FogPlaneGl : public ovra::testing::GlTest {};

// A 4 × 4 map seen from straight above, one cell and a ring of one cell
// around the map per 16 pixels; only the cells of row 0 are seen.
TEST_F(FogPlaneGl, HalvesUnseenCellsAndTheSurroundings) {
    constexpr std::uint64_t CELL = 16;
    auto target = ovra::Texture2d::new_uninitialized(ovra, {6 * CELL, 6 * CELL});
    ovra::Framebuffer framebuffer(ovra, target);
    ovra::draw::clear(framebuffer, kimbly::ColorF32{1, 1, 1, 1}, 1.0f);
    vindle::shader_lib::ShaderLib library(ovra);
    velmora::renderer::fog::Data fog(library, ovra);

    velmora::model::SightGrid sight{4, std::vector<velmora::model::usize>(16, 0)};
    for (velmora::model::usize x = 0; x < 4; ++x) sight.at(x, 0) = 1;
    velmora::camera::Camera camera;
    camera.center = {2, 2};
    camera.distance = 3;
    camera.perspective = false;
    fog.draw(framebuffer, camera, sight);

    const auto pixels = read_pixels(framebuffer);
    const auto cell_pixel = [&](int x, int y) {
        return pixel_at(pixels, 6 * CELL, static_cast<std::uint64_t>(x + 1) * CELL + CELL / 2,
                        static_cast<std::uint64_t>(y + 1) * CELL + CELL / 2);
    };
    EXPECT_NEAR(cell_pixel(1, 0)[0], 255, 6);  // seen; its fogged neighbour bleeds in a little
    EXPECT_NEAR(cell_pixel(1, 2)[0], 128, 2);
    EXPECT_NEAR(cell_pixel(-1, 3)[0], 128, 2);  // outside the map
    EXPECT_NEAR(cell_pixel(4, 4)[1], 128, 2);
    EXPECT_EQ(fog.texture().size(), (kimbly::Vec2Usize{6, 6}));
}

}  // namespace
