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

// A map seen from afar, two cells a pixel, with every other column of cells
// seen: each pixel's centre falls on the middle of one seen cell's texel, so
// plain linear sampling leaves the pixel clear, while a mipmap would average
// it with its unseen neighbour. The map sizes are those whose texture side
// (size + 2) is a power of two, and one whose side is not.
TEST_F(FogPlaneGl, CellsSmallerThanAPixelAreSampledFromTheirOwnTexel) {
    for (velmora::model::usize size : {30u, 62u, 64u}) {
        SCOPED_TRACE(size);
        const std::uint64_t pixels_across = (size + 2) / 2;
        auto target = ovra::Texture2d::new_uninitialized(ovra, {pixels_across, pixels_across});
        ovra::Framebuffer framebuffer(ovra, target);
        ovra::draw::clear(framebuffer, kimbly::ColorF32{1, 1, 1, 1}, 1.0f);
        vindle::shader_lib::ShaderLib library(ovra);
        velmora::renderer::fog::Data fog(library, ovra);

        velmora::model::SightGrid sight{size, std::vector<velmora::model::usize>(size * size, 0)};
        for (velmora::model::usize x = 1; x < size; x += 2) {
            for (velmora::model::usize y = 0; y < size; ++y) sight.at(x, y) = 1;
        }
        velmora::camera::Camera camera;
        // Pixel i's centre is at x = 2i − 0.5, the middle of cell 2i − 1.
        const float centre = static_cast<float>(size) / 2 - 0.5f;
        camera.center = {centre, centre};
        camera.distance = static_cast<float>(pixels_across);
        camera.perspective = false;
        fog.draw(framebuffer, camera, sight);

        const auto pixels = read_pixels(framebuffer);
        const std::uint64_t middle_row = pixels_across / 2;
        for (std::uint64_t i = 1; i < pixels_across; ++i) {
            EXPECT_EQ(pixel_at(pixels, pixels_across, i, middle_row)[0], 255) << "pixel " << i;
        }
        EXPECT_NEAR(pixel_at(pixels, pixels_across, 0, middle_row)[0], 128, 2) << "the fogged border";
    }
}

}  // namespace
