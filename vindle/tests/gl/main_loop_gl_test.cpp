#include <gtest/gtest.h>

#include <GLFW/glfw3.h>

#include <ovra/draw.hpp>
#include <ovra/testing/gl_test.hpp>

#include "engine_gl_test.hpp"
#include "vindle/context.hpp"
#include "vindle/ui/controller.hpp"
#include "vindle/ui/layout.hpp"
#include "vindle/ui/slider.hpp"
#include "vindle/ui/text.hpp"
#include "vindle/window_glfw.hpp"

namespace {

using namespace vindle;
using vindle::testing::Pixel;

constexpr int F3_AFTER = 2;
constexpr int CAPTURE_AT = 40;
constexpr int FRAMES = 45;
constexpr kimbly::AabbF32 QUAD{300, 500, 200, 400};

// Reads the frame back just before presenting it, once.
class CapturingWindow final : public window::GlfwWindow {
public:
    CapturingWindow() : GlfwWindow("main loop test", true) {}
    int presented = 0;
    std::vector<std::uint8_t> pixels;
    kimbly::Vec2Usize size;

protected:
    void present() override {
        if (++presented == CAPTURE_AT) {
            ovra::Framebuffer framebuffer(ovra());
            size = framebuffer.size();
            pixels = ovra::testing::read_pixels(framebuffer);
        }
        if (presented == F3_AFTER) inject(window::raw::KeyInput{GLFW_KEY_F3, "F3", true});
        GlfwWindow::present();
    }
};

// A red quad, and a text over a slider at the top, for a bounded number of frames.
class Demo final : public State {
public:
    Demo(std::shared_ptr<Vindle> vindle, int& key_presses)
        : key_presses_(key_presses), vindle_(std::move(vindle)), theme_(ui::Theme::default_of(*vindle_)), slider_(theme_) {}

    void update(double dt) override {
        ++frames_;
        controller_.update(*ui(), dt);
    }
    void draw(ovra::Framebuffer& framebuffer) override {
        ovra::draw::clear(framebuffer, kimbly::ColorF32{0.1f, 0.1f, 0.2f, 1}, 1.0f);
        vindle_->draw_2d()->quad(framebuffer, QUAD, {1, 0, 0, 1});
        controller_.draw(*ui(), framebuffer);
    }
    void handle_event(events::Event event) override {
        if (std::holds_alternative<events::KeyDown>(event)) key_presses_ += 1;
        controller_.handle_event(*ui(), event);
    }
    std::optional<Transition> transition() override {
        if (frames_ >= FRAMES) return transition::Pop{};
        return std::nullopt;
    }

private:
    ui::WidgetBox ui() {
        return ui::boxed(ui::column(ui::Align({0.5, 0.5}, ui::Text("Slider", theme_->font, 32, {1, 1, 1, 1})),
                                    ui::ConstraintOverride({{0, 40}, {1, 0}},
                                                           slider_.ui(value_, 0, 1, [this](double v) { value_ = v; }))));
    }

    int& key_presses_;
    std::shared_ptr<Vindle> vindle_;
    ui::ThemeHandle theme_;
    ui::Controller controller_;
    ui::Slider slider_;
    double value_ = 0.3;
    int frames_ = 0;
};

bool any_near(const std::vector<std::uint8_t>& pixels, std::uint64_t width, kimbly::AabbF32 box, Pixel colour) {
    for (auto y = std::uint64_t(box.y_min); y < std::uint64_t(box.y_max); ++y) {
        for (auto x = std::uint64_t(box.x_min); x < std::uint64_t(box.x_max); ++x) {
            if (vindle::testing::near(ovra::testing::pixel_at(pixels, width, x, y), colour, 40)) return true;
        }
    }
    return false;
}

TEST(MainLoopGl, ADemoStateRunsForItsFramesAndF3ShowsTheFpsTextTopLeft) {
    auto owned = std::make_unique<CapturingWindow>();
    auto* window = owned.get();
    ovra::OvraHandle ovra = owned->ovra();
    auto vindle = Vindle::create_with(std::move(owned), ovra, ContextOptions{}, 1);
    int key_presses = 0;
    context::run(vindle, std::make_unique<Demo>(vindle, key_presses));
    EXPECT_EQ(window->presented, FRAMES);
    EXPECT_EQ(key_presses, 1);

    ASSERT_FALSE(window->pixels.empty());
    const auto width = window->size.x, height = window->size.y;
    EXPECT_TRUE(ovra::testing::write_png("main_loop_demo.png", window->size, window->pixels));
    Pixel red{255, 0, 0, 255};
    EXPECT_TRUE(vindle::testing::near(ovra::testing::pixel_at(window->pixels, width, 400, 300), red))
        << vindle::testing::describe(ovra::testing::pixel_at(window->pixels, width, 400, 300));
    // The FPS text: white ink in the top 16 rows at the left edge.
    EXPECT_TRUE(any_near(window->pixels, width, {0, 60, float(height - 16), float(height)}, {255, 255, 255, 255}));
    // The demo's own text at the top centre, and the slider's line below it.
    EXPECT_TRUE(any_near(window->pixels, width, {float(width) / 2 - 100, float(width) / 2 + 100, float(height - 40),
                                                 float(height)},
                         {255, 255, 255, 255}));
    EXPECT_TRUE(any_near(window->pixels, width, {float(width) / 4, float(width) / 2 - 100, float(height - 120),
                                                 float(height - 32)},
                         {255, 255, 255, 255}));
}

}  // namespace
