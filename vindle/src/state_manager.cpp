#include <kimbly/panic.hpp>

#include "vindle/state.hpp"

namespace vindle {

StateManager::~StateManager() {
    while (!states_.empty()) states_.pop_back();
}

void StateManager::push(StateBox state) { states_.push_back(std::move(state)); }

void StateManager::switch_to(StateBox state) {
    if (states_.empty()) kimbly::panic("switch on an empty state stack");
    // Assigning over the top would build the new state's place before the old
    // one is gone; the old screen's final work must run first.
    states_.pop_back();
    states_.push_back(std::move(state));
}

void StateManager::update(double dt) {
    if (states_.empty()) return;
    State& top = *states_.back();
    top.update(dt);
    auto change = top.transition();
    if (!change) return;
    std::visit(
        [&](auto& step) {
            using Step = std::decay_t<decltype(step)>;
            if constexpr (std::is_same_v<Step, transition::Pop>) {
                states_.pop_back();
            } else if constexpr (std::is_same_v<Step, transition::Switch>) {
                switch_to(std::move(step.state));
            } else {
                push(std::move(step.state));
            }
        },
        *change);
}

void StateManager::draw(ovra::Framebuffer& framebuffer) {
    if (!states_.empty()) states_.back()->draw(framebuffer);
}

void StateManager::handle_event(events::Event event) {
    if (!states_.empty()) states_.back()->handle_event(std::move(event));
}

std::optional<Transition> StateManager::transition() {
    if (states_.empty()) return Transition(transition::Pop{});
    return std::nullopt;
}

}  // namespace vindle
