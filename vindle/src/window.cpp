#include <GLFW/glfw3.h>

#include <algorithm>

#include <kimbly/logger.hpp>
#include <pakko/overloaded.hpp>

#include "vindle/window.hpp"

namespace vindle::window {

namespace {

constexpr double PIXELS_PER_LINE = 51.0;

std::optional<events::MouseButton> button_of(int button) {
    switch (button) {
        case GLFW_MOUSE_BUTTON_LEFT: return events::MouseButton::Left;
        case GLFW_MOUSE_BUTTON_MIDDLE: return events::MouseButton::Middle;
        case GLFW_MOUSE_BUTTON_RIGHT: return events::MouseButton::Right;
        default: return std::nullopt;
    }
}

}  // namespace

void Window::swap_buffers() {
    present();
    std::vector<RawEvent> pending = collect();
    pending.insert(pending.end(), std::make_move_iterator(injected_.begin()),
                   std::make_move_iterator(injected_.end()));
    injected_.clear();
    // The whole batch is converted before any of it is dispatched, so a button
    // carries the cursor from before the batch.
    std::vector<events::Event> batch;
    for (const RawEvent& event : pending) {
        if (auto converted = convert(event)) batch.push_back(std::move(*converted));
    }
    for (events::Event& event : batch) {
        apply(event);
        auto handler = handler_.borrow_mut();
        if (*handler) (*handler)(std::move(event));
    }
}

void Window::set_event_handler(EventHandler handler) { *handler_.borrow_mut() = std::move(handler); }

std::optional<events::Event> Window::convert(const RawEvent& event) {
    using Result = std::optional<events::Event>;
    return std::visit(
        pakko::Overloaded{
            [&](const raw::Resized& resize) -> Result {
                resized(resize.size);
                return std::nullopt;
            },
            [&](const raw::CloseRequested&) -> Result {
                close_requested_ = true;
                return std::nullopt;
            },
            [&](const raw::KeyInput& input) -> Result {
                auto key = key_of(input.code);
                if (!key) return std::nullopt;
                if (*key == events::Key::Unknown) kimbly::logger::warn("vindle::window", "Unrecognized key: {}", input.name);
                if (input.pressed) return events::KeyDown{*key};
                return events::KeyUp{*key};
            },
            [&](const raw::CursorMoved& moved) -> Result {
                double height = double(std::max<std::uint64_t>(real_size().y, 1));
                return events::MouseMove{{moved.position.x, height - 1.0 - moved.position.y}};
            },
            [&](const raw::WheelLines& wheel) -> Result { return events::Wheel{wheel.delta.y * PIXELS_PER_LINE}; },
            [&](const raw::WheelPixels& wheel) -> Result { return events::Wheel{wheel.delta.y}; },
            [&](const raw::MouseInput& input) -> Result {
                auto button = button_of(input.button);
                if (!button) return std::nullopt;
                if (input.pressed) return events::MouseDown{cursor_, *button};
                return events::MouseUp{cursor_, *button};
            },
        },
        event);
}

void Window::apply(const events::Event& event) {
    std::visit(pakko::Overloaded{
                   [&](const events::MouseDown& down) { buttons_.insert(down.button); },
                   [&](const events::MouseUp& up) { buttons_.erase(up.button); },
                   [&](const events::MouseMove& move) { cursor_ = move.position; },
                   [&](const events::KeyDown& down) { keys_.insert(down.key); },
                   [&](const events::KeyUp& up) { keys_.erase(up.key); },
                   [](const auto&) {},
               },
               event);
}

}  // namespace vindle::window
