#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string_view>

#include "fake_gl.hpp"
#include "ovra/framebuffer.hpp"
#include "ovra/texture.hpp"
#include "test_support/panic_message.hpp"

namespace {

using test_support::panic_message;

struct TextureTest : ::testing::Test {
    ovra::testing::FakeGl fake;
    ovra_raw::RecordingContext& gl = *fake.gl;
};

TEST_F(TextureTest, NewWithUploadsRowByRowAndSetsLinearClampedSampling) {
    auto texture = ovra::Texture2d::new_with(fake.ovra, {3, 2}, [](kimbly::Vec2Usize p) {
        return kimbly::ColorF32{float(p.x) / 255.0f, float(p.y) / 255.0f, 0.0f, 1.0f};
    });
    EXPECT_EQ(texture.size(), (kimbly::Vec2Usize{3, 2}));
    EXPECT_EQ(gl.calls, (std::vector<std::string>{
                            "create_texture() -> 1", "bind_texture(3553, 1)", "tex_parameteri(3553, 10241, 9729)",
                            "bind_texture(3553, 1)", "tex_parameteri(3553, 10240, 9729)", "bind_texture(3553, 1)",
                            "tex_parameteri(3553, 10242, 33071)", "tex_parameteri(3553, 10243, 33071)",
                            "tex_image_2d(3553, 0, 6408, 3, 2, 0, 6408, 5121, data)"}));
    // Pixels (0,0), (1,0), (2,0), (0,1), (1,1), (2,1).
    EXPECT_EQ(gl.uploads.at(0), (std::vector<std::uint8_t>{0, 0, 0, 255, 1, 0, 0, 255, 2, 0, 0, 255,
                                                           0, 1, 0, 255, 1, 1, 0, 255, 2, 1, 0, 255}));
}

TEST(ColorBytes, ChannelsAreCutTowardZeroAndLimited) {
    EXPECT_EQ(ovra::color_bytes({1.0f, 0.5f, -0.2f, NAN}), (std::array<std::uint8_t, 4>{255, 127, 0, 0}));
    EXPECT_EQ(ovra::color_bytes({2.0f, INFINITY, -INFINITY, 0.999f}), (std::array<std::uint8_t, 4>{255, 255, 0, 254}));
}

// Loaded images get mipmaps where GL ES 2 allows them; raw pixels never do.
TEST_F(TextureTest, MipmapsOnlyForLoadedImagesWithPowerOfTwoSides) {
    struct Case {
        kimbly::Vec2Usize size;
        bool loaded;
        bool mipmaps;
    };
    const Case cases[] = {{{64, 32}, true, true},  {{48, 32}, true, false},  {{1, 1}, true, true},
                          {{64, 33}, true, false}, {{32, 32}, false, false}, {{82, 82}, false, false}};
    for (const Case& c : cases) {
        gl.calls.clear();
        ovra::Image image{c.size, std::vector<std::uint8_t>(c.size.x * c.size.y * 4)};
        auto texture = c.loaded ? ovra::Texture2d::from_image(fake.ovra, std::move(image))
                                : ovra::Texture2d::from_pixels(fake.ovra, image);
        bool made = !gl.calls_named("generate_mipmap").empty();
        EXPECT_EQ(made, c.mipmaps) << c.size.x << "x" << c.size.y << (c.loaded ? " loaded" : " pixels");
        auto count = [&](std::string_view call) { return std::count(gl.calls.begin(), gl.calls.end(), call); };
        EXPECT_EQ(count("tex_parameteri(3553, 10241, 9987)"), c.mipmaps ? 1 : 0);
        EXPECT_EQ(count("tex_parameteri(3553, 10241, 9729)"), 1) << "linear from the start";
    }
}

TEST_F(TextureTest, SubImageNeedsFourBytesAPixel) {
    auto texture = ovra::Texture2d::new_uninitialized(fake.ovra, {1024, 1024});
    EXPECT_EQ(gl.calls.back(), "tex_image_2d(3553, 0, 6408, 1024, 1024, 0, 6408, 5121, null)");
    std::vector<std::uint8_t> bytes(2 * 3 * 4, 7);
    texture.sub_image({10, 20}, {2, 3}, bytes);
    EXPECT_EQ(gl.calls.back(), "tex_sub_image_2d(3553, 0, 10, 20, 2, 3, 6408, 5121, data)");
    EXPECT_EQ(gl.uploads.back(), bytes);
    EXPECT_EQ(panic_message([&] { texture.sub_image({0, 0}, {2, 2}, bytes); }),
              "assertion failed: `(left == right)`\n  left: `24`,\n right: `16`");
}

TEST_F(TextureTest, DroppingDeletesTheTexture) {
    { auto texture = ovra::Texture2d::new_uninitialized(fake.ovra, {1, 1}); }
    EXPECT_EQ(gl.calls.back(), "delete_texture(1)");
}

TEST_F(TextureTest, FramebufferOverATextureChecksCompletenessAndDeletesOnlyItself) {
    auto texture = ovra::Texture2d::new_uninitialized(fake.ovra, {8, 4});
    gl.calls.clear();
    {
        ovra::Framebuffer framebuffer(fake.ovra, texture);
        EXPECT_EQ(framebuffer.size(), (kimbly::Vec2Usize{8, 4}));
        EXPECT_EQ(framebuffer.texture(), &texture);
        framebuffer.fbo().bind();
    }
    EXPECT_EQ(gl.calls, (std::vector<std::string>{"create_framebuffer() -> 2", "bind_framebuffer(36160, 2)",
                                                  "framebuffer_texture_2d(36160, 36064, 3553, 1, 0)",
                                                  "check_framebuffer_status(36160)", "bind_framebuffer(36160, 2)",
                                                  "delete_framebuffer(2)"}));
    gl.framebuffer_status = 36054;
    EXPECT_EQ(panic_message([&] { ovra::Framebuffer framebuffer(fake.ovra, texture); }),
              "assertion failed: `(left == right)`\n  left: `36054`,\n right: `36053`: Framebuffer check failed");
}

TEST_F(TextureTest, WindowFramebufferTakesTheContextSizeAndBindsZero) {
    fake.ovra->_set_size({800, 600});
    ovra::Framebuffer window(fake.ovra);
    EXPECT_EQ(window.size(), (kimbly::Vec2Usize{800, 600}));
    EXPECT_EQ(window.texture(), nullptr);
    window.fbo().bind();
    EXPECT_EQ(gl.calls, std::vector<std::string>{"bind_framebuffer(36160, 0)"});
}

}  // namespace
