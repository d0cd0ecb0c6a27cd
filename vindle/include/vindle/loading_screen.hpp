#pragma once
// The state shown while assets load. It polls its future once a frame, in
// transition (which the state stack calls right after update), and once the
// result is there switches to the state that the continuation builds from
// it, so the first real screen is drawn in the frame its assets completed.
#include <functional>
#include <optional>
#include <utility>

#include "vindle/asset.hpp"
#include "vindle/state.hpp"

namespace vindle {

// A loading picture that draws nothing.
class EmptyLoadingScreen final : public State {
public:
    void update(double) override {}
    void draw(ovra::Framebuffer&) override {}
    void handle_event(events::Event) override {}
    std::optional<Transition> transition() override { return std::nullopt; }
};

template <class T>
class LoadingScreen final : public State {
public:
    // The continuation receives the value or the error and decides; the
    // loading screen never looks at the result.
    using Continuation = std::function<StateBox(asset::AssetResult<T>)>;

    LoadingScreen(asset::AssetFutureBox<T> future, Continuation continuation, StateBox picture)
        : future_(std::move(future)), continuation_(std::move(continuation)), picture_(std::move(picture)) {}

    // The picture is only drawn, never updated.
    void update(double) override {}
    void draw(ovra::Framebuffer& framebuffer) override { picture_->draw(framebuffer); }
    void handle_event(events::Event) override {}

    std::optional<Transition> transition() override {
        if (!continuation_) return std::nullopt;
        auto result = future_->poll();
        if (!result) return std::nullopt;
        auto next = std::exchange(continuation_, std::nullopt);
        return Transition(transition::Switch{(*next)(std::move(*result))});
    }

private:
    asset::AssetFutureBox<T> future_;
    std::optional<Continuation> continuation_;
    StateBox picture_;
};

}  // namespace vindle
