#include <algorithm>
#include <thread>

#include "vindle/context.hpp"
#include "vindle/ui/theme.hpp"
#include "vindle/window_glfw.hpp"

namespace vindle {

namespace {

std::size_t workers_or_processors(std::size_t workers) {
    if (workers > 0) return workers;
    return std::max(1u, std::thread::hardware_concurrency());
}

}  // namespace

Vindle::Vindle(std::unique_ptr<window::Window> window, ovra::OvraHandle ovra, const ContextOptions& options,
               std::size_t pool_workers)
    : window_(std::move(window)),
      ovra_(std::move(ovra)),
      thread_pool_(workers_or_processors(pool_workers)),
      max_delta_time_(options.max_delta_time) {
    this->ovra();
    shader_lib_ = std::make_unique<shader_lib::ShaderLib>(ovra_);
    draw_2d_ = std::make_shared<const draw_2d::Draw2D>(*shader_lib_, ovra_);
    auto bytes = font::default_font_bytes();
    default_font_ = std::make_shared<const font::Font>(
        font::Font::new_with(ovra_, *shader_lib_, {bytes.begin(), bytes.end()}));
}

std::shared_ptr<Vindle> Vindle::create(const ContextOptions& options) {
    auto window = std::make_unique<window::GlfwWindow>(options.title, options.vsync);
    ovra::OvraHandle ovra = window->ovra();
    return create_with(std::move(window), std::move(ovra), options);
}

std::shared_ptr<Vindle> Vindle::create_with(std::unique_ptr<window::Window> window, ovra::OvraHandle ovra,
                                            const ContextOptions& options, std::size_t pool_workers) {
    return std::make_shared<Vindle>(std::move(window), std::move(ovra), options, pool_workers);
}

ovra::OvraHandle Vindle::ovra() {
    auto size = window_->real_size();
    ovra_->_set_size({std::max<std::uint64_t>(size.x, 1), std::max<std::uint64_t>(size.y, 1)});
    return ovra_;
}

void setup_panic_handler() {}

std::shared_ptr<const ui::Theme> ui::Theme::default_of(const Vindle& vindle) {
    return std::make_shared<const Theme>(Theme{vindle.draw_2d(), vindle.default_font()});
}

}  // namespace vindle
