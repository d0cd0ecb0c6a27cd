#include <cmath>

#include <kimbly/num.hpp>
#include <kimbly/panic.hpp>

#include "vindle/debug_overlay.hpp"
#include "vindle/ui/layout.hpp"
#include "vindle/ui/text.hpp"

namespace vindle::debug_overlay {

namespace {

constexpr float TEXT_SIZE = 16.0f;
constexpr kimbly::ColorF32 TEXT_COLOR{1, 1, 1, 1};

}  // namespace

void FpsCounter::before_draw() {
    countdown_ -= timer_.tick();
    frames_ += 1;
    if (countdown_ >= 0) return;
    double rate = double(frames_) / (1.0 - countdown_);
    countdown_ = 1.0;
    frames_ = 0;
    // round halves away from zero; NaN gives 0 and huge rates saturate.
    text_ = "FPS: " + std::to_string(kimbly::num::saturating_cast<std::int64_t>(std::round(rate)));
}

DebugOverlay::DebugOverlay(std::shared_ptr<const font::Font> font, std::shared_ptr<Channel> channel, StateBox inner,
                           kimbly::timer::Timer::Now now)
    : font_(std::move(font)), fps_(std::move(now)), console_(std::move(channel)), inner_(std::move(inner)) {}

ui::WidgetBox DebugOverlay::ui() const {
    auto text = [&](const std::string& line) { return ui::Text(line, font_, TEXT_SIZE, TEXT_COLOR); };
    ui::WidgetList lines;
    for (const std::string& line : console_.lines()) lines.push_back(ui::boxed(ui::Align({0, 0.5}, text(line))));
    return ui::boxed(ui::column(ui::Align({0, 1}, text(fps_.text())), ui::Align({0, 1}, ui::Column(std::move(lines)))));
}

void DebugOverlay::update(double dt) {
    if (shown_) controller_.update(*ui(), dt);
    inner_->update(dt);
}

void DebugOverlay::draw(ovra::Framebuffer& framebuffer) {
    inner_->draw(framebuffer);
    if (!shown_) return;
    fps_.before_draw();
    console_.before_draw();
    controller_.draw(*ui(), framebuffer);
}

void DebugOverlay::handle_event(events::Event event) {
    auto* key = std::get_if<events::KeyDown>(&event);
    if (key && key->key == events::Key::F3) shown_ = !shown_;
    bool consumed = shown_ && controller_.handle_event(*ui(), event);
    if (!consumed) inner_->handle_event(std::move(event));
}

std::optional<Transition> DebugOverlay::transition() {
    auto change = inner_->transition();
    if (change && !std::holds_alternative<transition::Pop>(*change)) {
        kimbly::panic("the state stack asked for a Switch or a Push");
    }
    return change;
}

}  // namespace vindle::debug_overlay
