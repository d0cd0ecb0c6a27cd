#include <ovra/draw.hpp>

#include "gl/engine_gl_test.hpp"
#include "vindle/ui/button.hpp"
#include "vindle/ui/controller.hpp"
#include "vindle/ui/slider.hpp"

namespace {

using namespace vindle;
using ovra::testing::pixel_at;
using ovra::testing::read_pixels;
using vindle::testing::describe;
using vindle::testing::near;
using vindle::testing::Pixel;

constexpr Pixel BACKGROUND{40, 40, 40, 255};
constexpr Pixel WHITE_PIXEL{255, 255, 255, 255};
constexpr Pixel HOVER{77, 77, 255, 255};

struct UiGlTest : vindle::testing::EngineGlTest {
    std::shared_ptr<ui::Theme> theme() {
        auto bytes = font::default_font_bytes();
        return std::make_shared<ui::Theme>(ui::Theme{
            std::make_shared<draw_2d::Draw2D>(*library, ovra),
            std::make_shared<font::Font>(font::Font::new_with(ovra, *library, {bytes.begin(), bytes.end()})),
        });
    }
};

// Whether any pixel of the rectangle [x0, x1) × [y0, y1) differs from the
// background.
bool has_ink(const std::vector<std::uint8_t>& pixels, std::uint64_t width, std::uint64_t x0, std::uint64_t x1,
             std::uint64_t y0, std::uint64_t y1) {
    for (auto y = y0; y < y1; ++y) {
        for (auto x = x0; x < x1; ++x) {
            if (!near(pixel_at(pixels, width, x, y), BACKGROUND, 8)) return true;
        }
    }
    return false;
}

// A column of a label, a button and a slider given a height and all the
// width: each is drawn in the box the column gives it, top to bottom.
TEST_F(UiGlTest, ColumnOfTextButtonAndSliderDrawsWhereLaidOut) {
    constexpr std::uint64_t W = 256, H = 128;
    auto look = theme();
    ui::Button button;
    ui::Slider slider(look);
    double volume = 2.5;
    ui::Controller controller;
    auto tree = [&] {
        return ui::column(
            ui::Text("Volume", look->font, 24, look->usual_color), ui::Button::text(ui::ref(button), "Mute", *look),
            ui::ConstraintOverride({{0, 24}, {1, 0}}, slider.ui(volume, 0, 10, [&](double v) { volume = v; })));
    };
    auto& framebuffer = target_of({W, H});
    // A first frame gives the controller its size; then the pointer hovers
    // the button, so that its label takes the hover colour, and the knob
    // settles at its idle size.
    auto first = tree();
    controller.draw(first, framebuffer);
    auto hovering = tree();
    controller.handle_event(hovering, events::MouseMove{{10, 80}});
    auto updated = tree();
    controller.update(updated, 1.0);

    ovra::draw::clear(framebuffer, kimbly::ColorF32{40 / 255.0f, 40 / 255.0f, 40 / 255.0f, 1}, 1.0f);
    auto drawn = tree();
    controller.draw(drawn, framebuffer);
    EXPECT_EQ(ovra::testing::take_gl_error(), 0u);
    auto pixels = read_pixels(framebuffer);
    ASSERT_TRUE(ovra::testing::write_png("ui_column.png", {W, H}, pixels));

    // Label 104..128, button 72..104, slider 48..72, nothing below.
    const float label_width = look->font->measure("Mute", 32).width();
    EXPECT_TRUE(has_ink(pixels, W, 0, W, 104, H));
    EXPECT_TRUE(has_ink(pixels, W, 0, std::uint64_t(label_width) + 4, 72, 104));
    EXPECT_FALSE(has_ink(pixels, W, std::uint64_t(label_width) + 8, W, 72, 104));
    EXPECT_FALSE(has_ink(pixels, W, 0, W, 0, 48));
    bool hover_ink = false;
    for (std::uint64_t y = 72; y < 104; ++y) {
        for (std::uint64_t x = 0; x < W; ++x) hover_ink = hover_ink || near(pixel_at(pixels, W, x, y), HOVER, 8);
    }
    EXPECT_TRUE(hover_ink);

    // Track 8 high around y 60, the knob's centre a quarter of the way along.
    auto shapes = ui::slider_shapes({0, float(W), 48, 72}, volume, 0, 10, slider.knob_radius());
    ASSERT_TRUE(shapes);
    auto kx = std::uint64_t(shapes->knob.x);
    EXPECT_TRUE(near(pixel_at(pixels, W, kx / 2, 60), HOVER, 8)) << describe(pixel_at(pixels, W, kx / 2, 60));
    EXPECT_TRUE(near(pixel_at(pixels, W, 200, 60), WHITE_PIXEL, 8)) << describe(pixel_at(pixels, W, 200, 60));
    EXPECT_TRUE(near(pixel_at(pixels, W, 200, 66), BACKGROUND, 8)) << describe(pixel_at(pixels, W, 200, 66));
}

}  // namespace
