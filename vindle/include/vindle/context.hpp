#pragma once
// The engine context that every screen, renderer and widget reaches through
// one shared handle, and the frame loop that drives the screens.
#include <memory>
#include <string>

#include <kimbly/thread_pool.hpp>
#include <kimbly/timer.hpp>

#include "vindle/asset.hpp"
#include "vindle/draw_2d.hpp"
#include "vindle/font.hpp"
#include "vindle/shader_lib.hpp"
#include "vindle/state.hpp"
#include "vindle/window.hpp"

namespace vindle {

struct ContextOptions {
    std::string title = "Vindle Application";
    // Seconds; the largest time step a state's update receives.
    double max_delta_time = 0.1;
    bool vsync = true;
};

class Vindle final : public asset::AssetContext {
public:
    // A window over GLFW and its GL context; a failure stops the program.
    static std::shared_ptr<Vindle> create(const ContextOptions& options);
    // Over a window and GL context of the caller's (a scripted window and the
    // recording GL in tests).
    static std::shared_ptr<Vindle> create_with(std::unique_ptr<window::Window> window, ovra::OvraHandle ovra,
                                               const ContextOptions& options, std::size_t pool_workers = 0);

    window::Window& window() { return *window_; }
    // The GL context, told the window's current size first (each side at least 1).
    ovra::OvraHandle ovra() override;
    const shader_lib::ShaderLib& shader_lib() const { return *shader_lib_; }
    const std::shared_ptr<const draw_2d::Draw2D>& draw_2d() const { return draw_2d_; }
    const std::shared_ptr<const font::Font>& default_font() const { return default_font_; }
    kimbly::ThreadPool& thread_pool() override { return thread_pool_; }
    double max_delta_time() const { return max_delta_time_; }

    Vindle(std::unique_ptr<window::Window> window, ovra::OvraHandle ovra, const ContextOptions& options,
           std::size_t pool_workers);

private:
    std::unique_ptr<window::Window> window_;
    ovra::OvraHandle ovra_;
    std::unique_ptr<shader_lib::ShaderLib> shader_lib_;
    std::shared_ptr<const draw_2d::Draw2D> draw_2d_;
    std::shared_ptr<const font::Font> default_font_;
    kimbly::ThreadPool thread_pool_;
    double max_delta_time_;
};

// Start-up's hook for a platform handler of fatal stops; nothing on this platform.
void setup_panic_handler();

namespace context {

// The frame loop: runs `state` on a fresh stack, wrapped in the debug overlay,
// until the window is asked to close or the stack is empty. The stack, and
// every screen left on it, is destroyed before this returns, so a screen's
// final work (a match's game log flushed and closed) is never skipped by
// closing the window.
void run(std::shared_ptr<Vindle> vindle, StateBox state,
         kimbly::timer::Timer::Now now = kimbly::timer::Timer::Clock::now);

// The time step of a raw tick: the cap for NaN, otherwise the smaller one.
double time_step(double tick, double max_delta_time);

}  // namespace context

}  // namespace vindle
