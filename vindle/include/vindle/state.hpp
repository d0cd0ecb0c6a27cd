#pragma once
// Screens and the stack that holds them. Everything here runs on the main
// thread, which owns the window and the GL context.
#include <memory>
#include <optional>
#include <variant>
#include <vector>

#include <ovra/framebuffer.hpp>

#include "vindle/events.hpp"

namespace vindle {

class State;
using StateBox = std::unique_ptr<State>;

namespace transition {
// Removes the top state and destroys it.
struct Pop {};
// Destroys the top state and puts `state` in its place.
struct Switch {
    StateBox state;
};
// Puts `state` on top; the one below waits, untouched, until it is on top again.
struct Push {
    StateBox state;
};
}  // namespace transition

// No change is the absence of a Transition, never a fourth alternative.
using Transition = std::variant<transition::Pop, transition::Switch, transition::Push>;

class State {
public:
    virtual ~State() = default;
    // dt in seconds.
    virtual void update(double dt) = 0;
    virtual void draw(ovra::Framebuffer& framebuffer) = 0;
    virtual void handle_event(events::Event event) = 0;
    virtual std::optional<Transition> transition() = 0;
};

// The state stack; the top is the last. The top state's transition is applied
// right after its update, so a state switched in is drawn in the same frame.
class StateManager final : public State {
public:
    StateManager() = default;
    StateManager(const StateManager&) = delete;
    StateManager& operator=(const StateManager&) = delete;
    // Destroys the states top first, as popping them one by one would.
    ~StateManager() override;

    void push(StateBox state);
    // Destroys the top state before the new one takes its place; on an empty
    // stack, a broken invariant.
    void switch_to(StateBox state);
    bool empty() const { return states_.empty(); }

    void update(double dt) override;
    void draw(ovra::Framebuffer& framebuffer) override;
    void handle_event(events::Event event) override;
    // Pop once the stack is empty; never Switch or Push.
    std::optional<Transition> transition() override;

private:
    std::vector<StateBox> states_;
};

}  // namespace vindle
