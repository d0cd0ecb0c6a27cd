#pragma once
// Test doubles of the engine without a display: a state that writes down
// what reaches it, and the fake window and context of the test support.
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <pakko/overloaded.hpp>
#include <vindle/testing/fake_engine.hpp>

#include "vindle/context.hpp"
#include "vindle/state.hpp"
#include "vindle/window.hpp"

namespace vindle::testing {

// The event's alternative and fields, to compare and print.
inline std::string describe(const events::Event& event) {
    auto at = [](events::Position p) { return " (" + std::to_string(p.x) + ", " + std::to_string(p.y) + ")"; };
    return std::visit(pakko::Overloaded{
                          [&](const events::MouseDown& e) { return "down " + std::to_string(int(e.button)) + at(e.position); },
                          [&](const events::MouseUp& e) { return "up " + std::to_string(int(e.button)) + at(e.position); },
                          [&](const events::MouseMove& e) { return "move" + at(e.position); },
                          [](const events::Wheel& e) { return "wheel " + std::to_string(e.delta); },
                          [](const events::KeyDown& e) { return "key down " + std::string(window::key_name(e.key)); },
                          [](const events::KeyUp& e) { return "key up " + std::string(window::key_name(e.key)); },
                          [](const auto&) { return std::string("touch"); },
                      },
                      event);
}

using Journal = std::vector<std::string>;

// Answers transition with what the test queued.
class Scripted final : public State {
public:
    Scripted(std::string name, Journal& journal) : name_(std::move(name)), journal_(journal) {}
    ~Scripted() override { journal_.push_back(name_ + " destroyed"); }
    void update(double) override { journal_.push_back(name_ + " update"); }
    void draw(ovra::Framebuffer&) override { journal_.push_back(name_ + " draw"); }
    void handle_event(events::Event) override { journal_.push_back(name_ + " event"); }
    std::optional<Transition> transition() override { return std::exchange(next, std::nullopt); }

    std::optional<Transition> next;

private:
    std::string name_;
    Journal& journal_;
};

}  // namespace vindle::testing
