#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include <ovra/draw.hpp>
#include <ovra/testing/gl_test.hpp>
#include <vindle/testing/fake_engine.hpp>
#include <vindle/ui/controller.hpp>

#include "tarnwick/app/game_screen/ui.hpp"
#include "tarnwick/app/game_screen/ui_icons.hpp"

namespace {

namespace gs = tarnwick::app::game_screen::ui;
using ovra::testing::pixel_at;
using ovra::testing::read_pixels;

struct GameScreenUiGl : ovra::testing::GlTest {
    void SetUp() override {
        GlTest::SetUp();
        if (HasFatalFailure()) return;
        engine.emplace(ovra);
    }
    void TearDown() override {
        engine.reset();
        GlTest::TearDown();
    }
    std::optional<vindle::testing::FakeContext> engine;
};

TEST_F(GameScreenUiGl, IconsAreWhiteShapesOnTransparency) {
    struct Case {
        gs::Icon icon;
        std::uint64_t x, y;
        std::uint8_t alpha;
    };
    const Case cases[] = {
        {gs::Icon::Pause, 15, 16, 0},      {gs::Icon::Pause, 5, 16, 255},    {gs::Icon::Pause, 26, 16, 255},
        {gs::Icon::Play, 2, 16, 255},      {gs::Icon::Play, 28, 28, 0},      {gs::Icon::Play, 28, 16, 255},
        {gs::Icon::Fullscreen, 2, 2, 255}, {gs::Icon::Fullscreen, 16, 16, 0}, {gs::Icon::Fullscreen, 29, 29, 255},
        {gs::Icon::Fullscreen, 16, 2, 0},
    };
    for (const auto& c : cases) {
        auto texture = gs::create_texture(ovra, *engine->vindle->draw_2d(), c.icon);
        ovra::Framebuffer framebuffer(ovra, texture);
        auto pixels = read_pixels(framebuffer);
        auto pixel = pixel_at(pixels, gs::ICON_SIZE.x, c.x, c.y);
        EXPECT_EQ(pixel[3], c.alpha) << int(c.icon) << " at " << c.x << ", " << c.y;
        EXPECT_EQ(pixel[0], 255) << int(c.icon) << " at " << c.x << ", " << c.y;
    }
}

// The panel over a dark window, with the cursor away from the view-speed
// control and then over it; saved for a person to look at.
TEST_F(GameScreenUiGl, PanelAlongTheBottomEdge) {
    constexpr kimbly::Vec2Usize SIZE{800, 120};
    auto paused = std::make_shared<bool>(true);
    gs::UI panel(engine->vindle, paused, std::make_shared<double>(-1.1), std::make_shared<double>(0.5));
    panel.set_time(130, 400, 2);
    vindle::ui::Controller controller;
    auto target = ovra::Texture2d::new_uninitialized(ovra, SIZE);
    ovra::Framebuffer framebuffer(ovra, target);

    auto frame = [&](const std::string& file) {
        // A first draw gives the controller the framebuffer's size; a long
        // update then lets the sliders' knobs settle.
        auto sizing = panel.ui(2);
        controller.draw(*sizing, framebuffer);
        auto settling = panel.ui(2);
        controller.update(*settling, 1.0);
        ovra::draw::clear(framebuffer, kimbly::ColorF32{0.1f, 0.12f, 0.2f, 1}, 1.0f);
        auto tree = panel.ui(2);
        controller.draw(*tree, framebuffer);
        EXPECT_EQ(ovra::testing::take_gl_error(), 0u);
        auto pixels = read_pixels(framebuffer);
        EXPECT_TRUE(ovra::testing::write_png(file, SIZE, pixels));
        return pixels;
    };
    auto idle = frame("game_screen_panel.png");
    // Nothing above the 48 pixels of the panel.
    for (std::uint64_t x = 0; x < SIZE.x; x += 7) {
        ASSERT_EQ(pixel_at(idle, SIZE.x, x, 60), pixel_at(idle, SIZE.x, 0, 100)) << x;
    }
    // The play icon while paused: its tip at the left, nothing in the top
    // right corner of its box.
    EXPECT_EQ(pixel_at(idle, SIZE.x, 10, 24)[0], 255);
    EXPECT_NE(pixel_at(idle, SIZE.x, 37, 37)[0], 255);

    for (const auto& event : {vindle::events::Event{vindle::events::MouseMove{{696, 32}}}}) {
        auto tree = panel.ui(2);
        controller.handle_event(*tree, event);
    }
    auto hovered = frame("game_screen_panel_hover.png");
    EXPECT_NE(idle, hovered);
}

}  // namespace
