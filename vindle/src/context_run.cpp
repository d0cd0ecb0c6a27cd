#include <cmath>

#include <kimbly/exclusive_cell.hpp>

#include "vindle/context.hpp"
#include "vindle/debug_overlay.hpp"

namespace vindle::context {

double time_step(double tick, double max_delta_time) {
    if (std::isnan(tick)) return max_delta_time;
    return std::min(tick, max_delta_time);
}

void run(std::shared_ptr<Vindle> vindle, StateBox state, kimbly::timer::Timer::Now now) {
    auto manager = std::make_unique<StateManager>();
    manager->push(std::move(state));
    using Overlay = kimbly::ExclusiveCell<debug_overlay::DebugOverlay>;
    auto overlay = std::make_shared<Overlay>(vindle->default_font(), debug_overlay::process_channel(),
                                             std::move(manager), now);
    window::Window& window = vindle->window();
    window.set_event_handler([overlay](events::Event event) { overlay->borrow_mut()->handle_event(std::move(event)); });

    kimbly::timer::Timer timer(std::move(now));
    while (!window.should_close()) {
        double dt = time_step(timer.tick(), vindle->max_delta_time());
        overlay->borrow_mut()->update(dt);
        ovra::Framebuffer framebuffer(vindle->ovra());
        overlay->borrow_mut()->draw(framebuffer);
        // No use of the overlay is held here: the events reach it through the handler.
        window.swap_buffers();
        if (overlay->borrow_mut()->transition()) break;
    }
    // Dropping the handler's handle and ours destroys the overlay and the
    // stack with it, so the screens left on it do their final work now.
    window.set_event_handler({});
}

}  // namespace vindle::context
