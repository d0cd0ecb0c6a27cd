#include "vindle/ui/controller.hpp"

#include <pakko/overloaded.hpp>

namespace vindle::ui {

namespace {

// What an engine event asks of each widget, once touches are read as a
// single pointer.
struct Press {
    Position position;
    MouseButton button;
};
struct Release {
    Position position;
    MouseButton button;
    // A touch ending reaches only the widget it pressed, not one it merely
    // ends over.
    bool reaches_uncaptured;
};
struct Move {
    Position position;
};
using Pointer = std::variant<Press, Release, Move>;

std::optional<Position> single_touch(const std::vector<Position>& touches) {
    if (touches.size() != 1) return std::nullopt;
    return touches.front();
}

}  // namespace

void lay_out(Widget& root, kimbly::AabbF64 box) {
    traverse_mut(root, [](Widget&) {}, [](Widget& w) { w.calc_constraints(); });
    root.core_mut().position = box;
    traverse_mut(root, [](Widget& w) { w.layout_children(); }, [](Widget&) {});
}

void Controller::layout(Widget& root) { lay_out(root, {0, size_.x, 0, size_.y}); }

void Controller::update(Widget& root, double dt) {
    layout(root);
    traverse_mut(root, [dt](Widget& w) { w.update(dt); }, [](Widget&) {});
}

void Controller::draw(Widget& root, ovra::Framebuffer& framebuffer) {
    auto pixels = framebuffer.size();
    size_ = {double(pixels.x), double(pixels.y)};
    layout(root);
    traverse_mut(root, [&](Widget& w) { w.draw(framebuffer); }, [](Widget&) {});
}

bool Controller::handle_event(Widget& root, const events::Event& event) {
    layout(root);
    std::optional<Pointer> pointer = std::visit(
        pakko::Overloaded{
            [](const events::MouseDown& e) -> std::optional<Pointer> { return Press{e.position, e.button}; },
            [](const events::MouseUp& e) -> std::optional<Pointer> {
                return Release{e.position, e.button, true};
            },
            [](const events::MouseMove& e) -> std::optional<Pointer> { return Move{e.position}; },
            [this](const events::TouchStart& e) -> std::optional<Pointer> {
                auto p = single_touch(e.touches);
                if (!p) return std::nullopt;
                last_touch_ = p;
                return Press{*p, MouseButton::Left};
            },
            [this](const events::TouchMove& e) -> std::optional<Pointer> {
                auto p = single_touch(e.touches);
                if (!p) return std::nullopt;
                last_touch_ = p;
                return Move{*p};
            },
            [this](const events::TouchEnd&) -> std::optional<Pointer> {
                if (!last_touch_) return std::nullopt;
                return Release{*last_touch_, MouseButton::Left, false};
            },
            [](const auto&) -> std::optional<Pointer> { return std::nullopt; },
        },
        event);
    if (!pointer) return false;

    auto deliver = [&](Widget& w) {
        WidgetCore& core = w.core_mut();
        bool inside = is_inside(core.position, std::visit([](const auto& p) { return p.position; }, *pointer));
        std::visit(pakko::Overloaded{
                       [&](const Press& p) {
                           if (inside) core.captured_ = true;
                           if (core.captured_) w.handle_event(MouseDown{p.position, p.button});
                       },
                       [&](const Release& r) {
                           bool was_captured = core.captured_;
                           core.captured_ = false;
                           if (was_captured || (inside && r.reaches_uncaptured)) {
                               w.handle_event(MouseUp{r.position, r.button});
                           }
                           if (was_captured && inside) w.handle_event(Click{r.button});
                       },
                       [&](const Move& m) {
                           core.hovered_ = inside;
                           w.handle_event(MouseMove{m.position});
                       },
                   },
                   *pointer);
    };
    traverse_mut(root, deliver, [](Widget&) {});
    return false;
}

}  // namespace vindle::ui
